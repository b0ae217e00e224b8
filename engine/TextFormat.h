#pragma once

#include <string>
#include <string_view>

namespace veltrano {

// The text helpers the protocol and the field rules are written with. A blank is the space
// character only: tabs and line ends are never trimmed.
class TextFormat {
  public:
    static std::u16string trimBlanks(std::u16string_view text);
    static std::u16string toUpperAscii(std::u16string_view text);
    // Case-insensitive (ASCII) search; npos when absent.
    static std::size_t findIgnoringCase(std::u16string_view text, std::u16string_view upperKey,
                                        std::size_t from = 0);
    static std::u16string replaceAll(std::u16string_view text, std::u16string_view what,
                                     std::u16string_view with);
    // "@@@@@": right-aligned in five characters; a longer text is written whole.
    static std::u16string rightAligned5(std::u16string_view text);
    // "###0.00": at least one digit before the separator, exactly two decimals, rounded.
    static std::u16string fixedTwoDecimals(double value, char separator);
    // "###.##": no leading zero, up to two decimals, trailing zeros dropped, separator always.
    static std::u16string upToTwoDecimals(double value, char separator);
    // A whole number as decimal text, no decimals ("2"); otherwise with its decimals.
    static std::u16string countText(double value);
    static std::u16string repeat(char16_t character, std::size_t count);
    static std::u16string fromAscii(std::string_view text);
};

}  // namespace veltrano
