#include "tests/support/WorldFileForms.h"

#include <stdexcept>

#include "platform/TextCodec.h"

#include <zlib.h>

namespace veltrano::test {

namespace {

constexpr std::size_t kTextHeaderSize = 16;  // "SIMISA@@@@@@@@@@"

std::string utf16(std::string_view eightBit, bool bigEndian, bool withMark) {
    std::string bytes = withMark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char16_t unit : TextCodec::decodeWindows1252(eightBit)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

}  // namespace

std::string storedAs(WorldFileForm form, std::string_view eightBit) {
    const std::string_view inner = eightBit.substr(kTextHeaderSize);
    switch (form) {
        case WorldFileForm::EightBit:
            return std::string(eightBit);
        case WorldFileForm::Utf16Le:
            return utf16(eightBit, false, true);
        case WorldFileForm::Utf16Be:
            return utf16(eightBit, true, true);
        case WorldFileForm::CompressedUtf16Le:
            return compressedWorldFile(utf16(inner, false, true));
        case WorldFileForm::CompressedUtf16LeNoMark:
            return compressedWorldFile(utf16(inner, false, false));
        case WorldFileForm::CompressedEightBit:
            return compressedWorldFile(inner);
    }
    return {};
}

const char* nameOf(WorldFileForm form) {
    static const char* const kNames[] = {"8-bit",
                                         "UTF-16LE",
                                         "UTF-16BE",
                                         "compressed UTF-16LE",
                                         "compressed UTF-16LE without mark",
                                         "compressed 8-bit"};
    return kNames[static_cast<int>(form)];
}

std::string compressedWorldFile(std::string_view inflated,
                                std::optional<std::uint32_t> declaredLength) {
    uLongf size = compressBound(inflated.size());
    std::string stream(size, '\0');
    if (compress(reinterpret_cast<Bytef*>(stream.data()), &size,
                 reinterpret_cast<const Bytef*>(inflated.data()), inflated.size()) != Z_OK) {
        throw std::runtime_error("zlib cannot compress the test data");
    }
    stream.resize(size);
    const std::uint32_t length =
        declaredLength.value_or(static_cast<std::uint32_t>(inflated.size()));
    std::string file = "SIMISA@F";
    for (int shift = 0; shift < 32; shift += 8) {
        file.push_back(static_cast<char>((length >> shift) & 0xFF));
    }
    return file + "@@@@" + stream;
}

}  // namespace veltrano::test
