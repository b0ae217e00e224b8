#include "platform/CommandLine.h"

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
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

}  // namespace veltrano
