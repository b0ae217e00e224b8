#include "platform/CommandLine.h"

#include <algorithm>
#include <utility>

#include "platform/CommandLineNative.h"

namespace veltrano {

std::vector<std::string> CommandLine::arguments(int argc, char* argv[]) {
    if (std::optional<std::vector<std::string>> system = native::systemArguments()) {
        return *std::move(system);
    }
    // A program started with no arguments at all has not even its name.
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

}  // namespace veltrano
