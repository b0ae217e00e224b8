#include "platform/CommandLine.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/NativePath.h"
#endif

namespace veltrano {

std::vector<std::string> CommandLine::arguments(int argc, char* argv[]) {
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        std::vector<std::string> result;
        for (int i = 1; i < count; ++i) {
            result.push_back(NativePath::narrow(wide[i]));
        }
        LocalFree(wide);
        return result;
    }
#endif
    // A program started with no arguments at all has not even its name.
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

}  // namespace veltrano
