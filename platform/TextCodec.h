#pragma once

#include <string>
#include <string_view>

namespace veltrano {

// Conversions between the bytes of route files and the program's text, which is held as
// UTF-16 code units so character positions are those a route builder's editor shows.
class TextCodec {
  public:
    // A whole track or route file: FF FE -> UTF-16LE, FE FF -> UTF-16BE, EF BB BF -> UTF-8
    // (the mark is dropped), otherwise 8-bit Windows-1252. An odd trailing byte of UTF-16 is
    // dropped; invalid UTF-8 becomes U+FFFD.
    static std::u16string decodeWholeFile(std::string_view bytes);
    // Windows-1252, one byte one character; its five undefined bytes map to the same code.
    static std::u16string decodeWindows1252(std::string_view bytes);
    static char16_t windows1252Char(unsigned char byte);
    // The form track files are written back in: FF FE, then the text as UTF-16LE.
    static std::string encodeUtf16LeWithBom(std::u16string_view text);
    static std::string toUtf8(std::u16string_view text);
    // The UTF-8 form of one code point; a lone surrogate value gets the three-byte form of its
    // value, so UTF-16 code units map one to one onto byte sequences.
    static void appendUtf8(std::string& text, char32_t codePoint);
    static std::u16string fromUtf8(std::string_view text);
};

}  // namespace veltrano
