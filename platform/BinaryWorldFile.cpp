#include "platform/BinaryWorldFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace veltrano {

namespace {

constexpr std::uint16_t kWorldFileToken = 0x4B;
constexpr std::uint16_t kPickupToken = 0x3B;
constexpr std::size_t kBlockHeaderSize = 8;
constexpr std::size_t kValueSize = 4;

enum class ValueKind { Whole, Decimal, Capacity };

struct ValueBlock {
    std::uint16_t token;
    std::string_view name;
    std::size_t count;
    ValueKind kind;
};

// The children of a Pickup that the scan reads.
constexpr std::array<ValueBlock, 4> kValueBlocks{{
    {0x32C, "PickupType", 2, ValueKind::Whole},
    {0x32E, "PickupCapacity", 2, ValueKind::Capacity},
    {0x26E, "TrItemId", 2, ValueKind::Whole},
    {0x61, "Position", 3, ValueKind::Decimal},
}};

struct Block {
    std::uint16_t token = 0;
    std::string_view content;  // behind the label
};

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// Cuts the block at the front of `rest` off it. False when its header, its length or its label
// runs past `rest`; nothing is read before its length is known to fit.
bool takeBlock(std::string_view& rest, Block& block) {
    if (rest.size() < kBlockHeaderSize) {
        return false;
    }
    const std::uint32_t length = littleEndian(rest, 4, 4);
    // The label length byte belongs to every block.
    if (length == 0 || length > rest.size() - kBlockHeaderSize) {
        return false;
    }
    const std::string_view body = rest.substr(kBlockHeaderSize, length);
    const std::size_t labelSize = 1 + 2 * std::size_t{static_cast<unsigned char>(body[0])};
    if (labelSize > body.size()) {
        return false;
    }
    block.token = static_cast<std::uint16_t>(littleEndian(rest, 0, 2));
    block.content = body.substr(labelSize);
    rest.remove_prefix(kBlockHeaderSize + length);
    return true;
}

// Some tools store a capacity as uint32: as float32 bits, any value they use is a denormal.
bool storedWhole(std::uint32_t bits, ValueKind kind) {
    return kind == ValueKind::Whole ||
           (kind == ValueKind::Capacity && (bits & 0x7F800000u) == 0 && bits != 0);
}

}  // namespace

bool BinaryWorldFile::appendPickupText(std::string_view data, std::size_t limit,
                                       std::string& text) {
    if (!data.starts_with(kSubHeader)) {
        return false;
    }
    // A file cut within its sub-header has no root block.
    std::string_view rest = data.substr(std::min(data.size(), kSubHeaderSize));
    Block root;
    if (!takeBlock(rest, root) || root.token != kWorldFileToken || !rest.empty()) {
        return false;
    }
    BinaryWorldFile file(text, limit);
    Block child;
    while (!root.content.empty()) {
        if (!takeBlock(root.content, child)) {
            return false;
        }
        if (child.token == kPickupToken && !file.appendPickup(child.content)) {
            return false;
        }
    }
    return true;
}

bool BinaryWorldFile::appendPickup(std::string_view children) {
    m_text += "Pickup (\r\n";
    Block child;
    while (!children.empty()) {
        if (!takeBlock(children, child)) {
            return false;
        }
        for (std::size_t row = 0; row < kValueBlocks.size(); ++row) {
            if (kValueBlocks[row].token == child.token && !appendValueLine(row, child.content)) {
                return false;
            }
        }
    }
    m_text += ")\r\n";
    return m_text.size() <= m_limit;
}

bool BinaryWorldFile::appendValueLine(std::size_t row, std::string_view values) {
    const ValueBlock& block = kValueBlocks[row];
    // Each line is short, so checking the limit once per line bounds the text.
    if (values.size() < block.count * kValueSize || m_text.size() > m_limit) {
        return false;
    }
    m_text += block.name;
    m_text += " (";
    for (std::size_t i = 0; i < block.count; ++i) {
        const std::uint32_t bits = littleEndian(values, i * kValueSize, kValueSize);
        appendValue(bits, storedWhole(bits, block.kind));
    }
    m_text += " )\r\n";
    return true;
}

void BinaryWorldFile::appendValue(std::uint32_t bits, bool whole) {
    // Long enough for any float32 written out without exponent.
    std::array<char, 64> digits{};
    std::to_chars_result written{};
    if (whole) {
        written = std::to_chars(digits.data(), digits.data() + digits.size(), bits);
    } else {
        float value{};
        std::memcpy(&value, &bits, sizeof value);
        // Fixed notation without a precision gives the shortest digits that read back as the
        // same float32 (so 20000, 0.5, -301.7, -0) and never an exponent.
        written = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                std::chars_format::fixed);
    }
    m_text += ' ';
    m_text.append(digits.data(), written.ptr);
}

}  // namespace veltrano
