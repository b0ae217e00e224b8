// Windows takes a path as UTF-16.

#include <windows.h>

#include "platform/NativePath.h"

namespace veltrano {

std::wstring NativePath::wide(const std::string& utf8Text) {
    if (utf8Text.empty()) {
        return {};
    }
    // Invalid UTF-8 becomes U+FFFD: such a name cannot exist, so its lookup simply fails.
    const int size = static_cast<int>(utf8Text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), size, result.data(), length);
    return result;
}

std::string NativePath::narrow(const std::wstring& wideText) {
    if (wideText.empty()) {
        return {};
    }
    const int size = static_cast<int>(wideText.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wideText.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wideText.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}

std::filesystem::path NativePath::of(const std::string& utf8Path) {
    return std::filesystem::path(wide(utf8Path));
}

std::string NativePath::utf8(const std::filesystem::path& path) {
    return narrow(path.wstring());
}

}  // namespace veltrano
