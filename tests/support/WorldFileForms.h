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
    Binary,                   // binaryWorldFile(), whole capacities as float32
    BinaryWholeCapacities,    // the same with whole capacities as uint32
    CompressedBinary,         // zlib stream of the binary form after "SIMISA@@@@@@@@@@"
};
constexpr int kWorldFileForms = static_cast<int>(WorldFileForm::CompressedBinary) + 1;

// `eightBit` starts with "SIMISA@@@@@@@@@@" (the compressed forms leave it out).
std::string storedAs(WorldFileForm form, std::string_view eightBit);
std::string nameOf(WorldFileForm form);

// The binary form of an 8-bit world file: each "Name (" opens a block, ")" closes it, other
// words are values: uint32 in PickupType and TrItemId, float32 in Position and PickupCapacity
// (uint32 for a whole capacity when `wholeCapacities`), float32 for other numbers, strings
// elsewhere. A block of a name a Pickup or the root does not hold carries its name as label. The
// header line is not converted.
std::string binaryWorldFile(std::string_view eightBit, bool wholeCapacities);

// "SIMISA@F", the length field (default: the size of `inflated`), "@@@@", then `inflated`
// compressed with zlib.
std::string compressedWorldFile(std::string_view inflated,
                                std::optional<std::uint32_t> declaredLength = std::nullopt);

}  // namespace veltrano::test
