// Windows gives main() its arguments in the ANSI code page; the UTF-16 command line has them
// all.

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/CommandLineNative.h"
#include "platform/NativePath.h"

namespace veltrano::native {

std::optional<std::vector<std::string>> systemArguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::nullopt;
    }
    std::vector<std::string> result;
    for (int i = 1; i < count; ++i) {
        result.push_back(NativePath::narrow(wide[i]));
    }
    LocalFree(wide);
    return result;
}

}  // namespace veltrano::native
