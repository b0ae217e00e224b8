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
    std::string bytes = TextCodec::encodeUtf16LeWithBom(TextCodec::decodeWindows1252(eightBit));
    for (std::size_t i = 0; bigEndian && i < bytes.size(); i += 2) {
        std::swap(bytes[i], bytes[i + 1]);
    }
    return bytes.substr(withMark ? 0 : 2);
}

// The token of each block the test files name; any other block carries its name as label.
constexpr std::string_view kTokens =
    "Tr_Worldfile 4B Pickup 3B PickupType 32C PickupCapacity 32E TrItemId 26E Position 61 UiD 6C "
    "SpeedRange 32B PickupAnimData 32D CollideFlags 69 FileName 5F StaticFlags 68 VDbId 11B "
    "QDirection 285 StaticDetailLevel 65";

std::optional<std::uint32_t> tokenOf(const std::string& name) {
    std::istringstream tokens{std::string(kTokens)};
    for (std::string word, token; tokens >> word >> token;) {
        if (word == name) {
            return static_cast<std::uint32_t>(std::stoul(token, nullptr, 16));
        }
    }
    return std::nullopt;
}

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
    const std::optional<std::uint32_t> token = tokenOf(name);
    std::string content = token ? std::string(1, '\0') : utf16Counted(name, 1);
    while (words.at(at) != ")") {
        content += at + 1 < words.size() && words[at + 1] == "("
                       ? binaryBlock(words, at, wholeCapacities)
                       : binaryValue(name, words[at++], wholeCapacities);
    }
    ++at;
    std::string bytes;
    appendLittleEndian(bytes, token.value_or(0x400), 2);
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

std::string nameOf(WorldFileForm form) {
    std::istringstream names(
        "8-bit|UTF-16LE|UTF-16BE|compressed UTF-16LE|compressed UTF-16LE "
        "without mark|compressed 8-bit|binary|binary with whole "
        "capacities|compressed binary");
    std::string name;
    for (int i = 0; i <= static_cast<int>(form); ++i) {
        std::getline(names, name, '|');
    }
    return name;
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
