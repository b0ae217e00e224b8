// POSIX hands main() the arguments as the bytes they were given.

#include "platform/CommandLineNative.h"

namespace veltrano::native {

std::optional<std::vector<std::string>> systemArguments() {
    return std::nullopt;
}

}  // namespace veltrano::native
