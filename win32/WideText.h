#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace veltrano {

// The program holds its texts as UTF-16 code units, the W functions take wchar_t, which on
// Windows is the same 16-bit unit: the conversions copy, they do not recode.
class WideText {
  public:
    static std::wstring fromU16(std::u16string_view text) {
        return std::wstring(text.begin(), text.end());
    }
    static std::u16string toU16(std::wstring_view text) {
        return std::u16string(text.begin(), text.end());
    }
    // The whole text of a window or control.
    static std::wstring of(HWND window) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
        return text;
    }
};

}  // namespace veltrano
