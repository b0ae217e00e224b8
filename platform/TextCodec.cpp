#include "platform/TextCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace veltrano {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// 0x80..0x9F of Windows-1252; the five holes of the code page keep their own code.
constexpr std::array<char16_t, 32> kWindows1252High = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

bool startsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

std::u16string decodeUtf16(std::string_view bytes, bool bigEndian) {
    // An odd last byte cannot form a code unit and is dropped. Filled by index, not appended,
    // so the loop over a track database of tens of megabytes runs vectorised.
    std::u16string text(bytes.size() / 2, u'\0');
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned high = bigEndian ? 0 : 1;
    for (char16_t& unit : text) {
        unit = static_cast<char16_t>((data[high] << 8) | data[1 - high]);
        data += 2;
    }
    return text;
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf16(std::u16string& text, char32_t codePoint) {
    if (codePoint < 0x10000) {
        text.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    const char32_t offset = codePoint - 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
}

// The range the second byte of a sequence must lie in, given its lead byte; this excludes
// overlong forms, surrogates and code points above U+10FFFF in one test.
struct SecondByteRange {
    unsigned char low;
    unsigned char high;
};

SecondByteRange secondByteRange(unsigned char lead) {
    switch (lead) {
        case 0xE0:
            return {0xA0, 0xBF};
        case 0xED:
            return {0x80, 0x9F};
        case 0xF0:
            return {0x90, 0xBF};
        case 0xF4:
            return {0x80, 0x8F};
        default:
            return {0x80, 0xBF};
    }
}

// Number of continuation bytes after a valid lead byte; 0 for a byte that cannot lead (a lead
// of none is ASCII, taken before).
int continuationCount(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 1;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 2;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 3;
    }
    return 0;
}

}  // namespace

void TextCodec::appendUtf8(std::string& text, char32_t codePoint) {
    if (codePoint < 0x80) {
        text.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

std::u16string TextCodec::decodeWholeFile(std::string_view bytes) {
    if (startsWith(bytes, "\xFF\xFE")) {
        return decodeUtf16(bytes.substr(2), false);
    }
    if (startsWith(bytes, "\xFE\xFF")) {
        return decodeUtf16(bytes.substr(2), true);
    }
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        return fromUtf8(bytes.substr(3));
    }
    return decodeWindows1252(bytes);
}

std::u16string TextCodec::decodeWindows1252(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[i] = windows1252Char(static_cast<unsigned char>(bytes[i]));
    }
    return text;
}

char16_t TextCodec::windows1252Char(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kWindows1252High[byte - 0x80];
    }
    return static_cast<char16_t>(byte);
}

std::string TextCodec::encodeUtf16LeWithBom(std::u16string_view text) {
    std::string bytes(2 + 2 * text.size(), '\0');
    bytes[0] = '\xFF';
    bytes[1] = '\xFE';
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[2 + 2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[3 + 2 * i] = static_cast<char>(text[i] >> 8);
    }
    return bytes;
}

std::string TextCodec::toUtf8(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            const char32_t codePoint =
                0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            appendUtf8(result, codePoint);
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            // A lone surrogate has no UTF-8 form.
            appendUtf8(result, kReplacement);
        } else {
            appendUtf8(result, unit);
        }
    }
    return result;
}

std::u16string TextCodec::fromUtf8(std::string_view text) {
    std::u16string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        ++i;
        if (lead < 0x80) {
            result.push_back(lead);
            continue;
        }
        const int count = continuationCount(lead);
        if (count == 0) {
            result.push_back(kReplacement);
            continue;
        }
        char32_t codePoint = lead & (0x3F >> count);
        SecondByteRange range = secondByteRange(lead);
        int taken = 0;
        // A broken sequence yields one U+FFFD for the bytes that were still valid so far;
        // the byte that broke it starts afresh.
        while (taken < count && i < text.size()) {
            const auto next = static_cast<unsigned char>(text[i]);
            if (next < range.low || next > range.high) {
                break;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
            range = {0x80, 0xBF};
            ++taken;
            ++i;
        }
        if (taken < count) {
            result.push_back(kReplacement);
        } else {
            appendUtf16(result, codePoint);
        }
    }
    return result;
}

}  // namespace veltrano
