#include "tests/support/WorldFileForms.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

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

constexpr std::pair<std::string_view, std::uint16_t> kTokens[] = {{"Tr_Worldfile", 0x4B},
                                                                  {"Pickup", 0x3B},
                                                                  {"PickupType", 0x32C},
                                                                  {"PickupCapacity", 0x32E},
                                                                  {"TrItemId", 0x26E},
                                                                  {"Position", 0x61},
                                                                  {"UiD", 0x6C},
                                                                  {"SpeedRange", 0x32B},
                                                                  {"PickupAnimData", 0x32D},
                                                                  {"CollideFlags", 0x69},
                                                                  {"FileName", 0x5F},
                                                                  {"StaticFlags", 0x68},
                                                                  {"VDbId", 0x11B},
                                                                  {"QDirection", 0x285},
                                                                  {"StaticDetailLevel", 0x65}};

void appendLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::string utf16Counted(const std::string& word, int countSize) {
    std::string bytes;
    appendLittleEndian(bytes, static_cast<std::uint32_t>(word.size()), countSize);
    for (const char c : word) {
        appendLittleEndian(bytes, static_cast<unsigned char>(c), 2);
    }
    return bytes;
}

std::string binaryValue(const std::string& block, const std::string& word, bool wholeCapacities) {
    std::string bytes;
    const bool whole = word.find_first_not_of("0123456789") == std::string::npos;
    if (block == "PickupType" || block == "TrItemId" ||
        (block == "PickupCapacity" && wholeCapacities && whole)) {
        appendLittleEndian(bytes, static_cast<std::uint32_t>(std::stoul(word)), 4);
    } else if (char* end = nullptr; block == "PickupCapacity" || block == "Position" ||
                                    (std::strtof(word.c_str(), &end), *end == '\0')) {
        const float value = std::strtof(word.c_str(), nullptr);
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        appendLittleEndian(bytes, bits, 4);
    } else {
        bytes = utf16Counted(word, 2);
    }
    return bytes;
}

// The block named by words[at]; `at` ends behind its ")".
std::string binaryBlock(const std::vector<std::string>& words, std::size_t& at,
                        bool wholeCapacities) {
    const std::string name = words.at(at);
    at += 2;
    const auto* known = std::find_if(std::begin(kTokens), std::end(kTokens),
                                     [&](const auto& token) { return token.first == name; });
    const bool isKnown = known != std::end(kTokens);
    std::string content = isKnown ? std::string(1, '\0') : utf16Counted(name, 1);
    while (words.at(at) != ")") {
        content += at + 1 < words.size() && words[at + 1] == "("
                       ? binaryBlock(words, at, wholeCapacities)
                       : binaryValue(name, words[at++], wholeCapacities);
    }
    ++at;
    std::string bytes;
    appendLittleEndian(bytes, isKnown ? known->second : 0x400, 2);
    appendLittleEndian(bytes, 0x0101, 2);  // flags, which a reader passes over
    appendLittleEndian(bytes, static_cast<std::uint32_t>(content.size()), 4);
    return bytes + content;
}

}  // namespace

std::string binaryWorldFile(std::string_view eightBit, bool wholeCapacities) {
    std::istringstream text{std::string(eightBit.substr(eightBit.find('\n') + 1))};
    std::vector<std::string> words;
    for (std::string word; text >> word;) {
        words.push_back(word);
    }
    std::string file = "JINX0w0b______\r\n";
    for (std::size_t at = 0; at < words.size();) {
        file += binaryBlock(words, at, wholeCapacities);
    }
    return file;
}

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
        case WorldFileForm::Binary:
        case WorldFileForm::BinaryWholeCapacities:
            return std::string(eightBit.substr(0, kTextHeaderSize)) +
                   binaryWorldFile(eightBit, form == WorldFileForm::BinaryWholeCapacities);
        case WorldFileForm::CompressedBinary:
            return compressedWorldFile(binaryWorldFile(eightBit, false));
    }
    return {};
}

const char* nameOf(WorldFileForm form) {
    static const char* const kNames[] = {"8-bit",
                                         "UTF-16LE",
                                         "UTF-16BE",
                                         "compressed UTF-16LE",
                                         "compressed UTF-16LE without mark",
                                         "compressed 8-bit",
                                         "binary",
                                         "binary with whole capacities",
                                         "compressed binary"};
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
