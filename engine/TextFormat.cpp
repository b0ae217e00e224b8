#include "engine/TextFormat.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace veltrano {

namespace {

char16_t upperAscii(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

// Rounds half away from zero to two decimals and splits into whole part and hundredths, so
// the result does not depend on the C library's rounding mode.
struct Hundredths {
    bool negative;
    unsigned long long whole;
    unsigned hundredths;
};

Hundredths splitHundredths(double value) {
    const auto all = static_cast<unsigned long long>(std::floor(std::fabs(value) * 100.0 + 0.5));
    // A value that rounds to zero has no sign.
    return {value < 0 && all != 0, all / 100, static_cast<unsigned>(all % 100)};
}

}  // namespace

std::u16string TextFormat::trimBlanks(std::u16string_view text) {
    std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(u' ');
    return std::u16string(text.substr(first, last - first + 1));
}

std::u16string TextFormat::toUpperAscii(std::u16string_view text) {
    std::u16string upper(text);
    for (char16_t& c : upper) {
        c = upperAscii(c);
    }
    return upper;
}

std::size_t TextFormat::findIgnoringCase(std::u16string_view text, std::u16string_view upperKey,
                                         std::size_t from) {
    for (std::size_t i = from; i + upperKey.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < upperKey.size() && upperAscii(text[i + k]) == upperKey[k]) {
            ++k;
        }
        if (k == upperKey.size()) {
            return i;
        }
    }
    return std::u16string_view::npos;
}

std::u16string TextFormat::replaceAll(std::u16string_view text, std::u16string_view what,
                                      std::u16string_view with) {
    std::u16string result;
    result.reserve(text.size());
    std::size_t at = 0;
    while (true) {
        std::size_t found = what.empty() ? std::u16string_view::npos : text.find(what, at);
        if (found == std::u16string_view::npos) {
            result.append(text.substr(at));
            return result;
        }
        result.append(text.substr(at, found - at));
        result.append(with);
        at = found + what.size();
    }
}

std::u16string TextFormat::rightAligned5(std::u16string_view text) {
    std::u16string result;
    if (text.size() < 5) {
        result.assign(5 - text.size(), u' ');
    }
    result.append(text);
    return result;
}

std::u16string TextFormat::fixedTwoDecimals(double value, char separator) {
    const auto [negative, whole, hundredths] = splitHundredths(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s%llu%c%02u", negative ? "-" : "", whole, separator,
                  hundredths);
    return fromAscii(buffer);
}

std::u16string TextFormat::upToTwoDecimals(double value, char separator) {
    const auto [negative, whole, hundredths] = splitHundredths(value);
    std::string text = negative ? "-" : "";
    if (whole > 0) {
        text += std::to_string(whole);
    }
    text += separator;
    if (hundredths != 0) {
        char digits[3] = {char('0' + hundredths / 10), char('0' + hundredths % 10), 0};
        if (digits[1] == '0') {
            digits[1] = 0;
        }
        text += digits;
    }
    return fromAscii(text);
}

std::u16string TextFormat::countText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return fromAscii(buffer);
}

std::u16string TextFormat::repeat(char16_t character, std::size_t count) {
    return std::u16string(count, character);
}

std::u16string TextFormat::fromAscii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace veltrano
