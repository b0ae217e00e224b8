#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrano::test {

// The forms routes store a world file in, made from the file as 8-bit Windows-1252 text, so a
// test can compare each with its 8-bit twin.
enum class WorldFileForm {
    EightBit,
    Utf16Le,                  // FF FE, then UTF-16LE
    Utf16Be,                  // FE FF, then UTF-16BE
    CompressedUtf16Le,        // zlib stream of FF FE and the text after "SIMISA@@@@@@@@@@"
    CompressedUtf16LeNoMark,  // the same without the byte-order mark
    CompressedEightBit,       // zlib stream of the 8-bit text after "SIMISA@@@@@@@@@@"
};

// `eightBit` starts with "SIMISA@@@@@@@@@@" (the compressed forms leave it out).
std::string storedAs(WorldFileForm form, std::string_view eightBit);
const char* nameOf(WorldFileForm form);

// "SIMISA@F", the length field (default: the size of `inflated`), "@@@@", then `inflated`
// compressed with zlib.
std::string compressedWorldFile(std::string_view inflated,
                                std::optional<std::uint32_t> declaredLength = std::nullopt);

}  // namespace veltrano::test
