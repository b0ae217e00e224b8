#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veltrano {

// The token form of a world file. Behind its 16-byte sub-header ("JINX0w0b______" CR LF) lie
// blocks: a uint16 token, uint16 flags, the uint32 length of the rest of the block, a uint8
// label length, the label in UTF-16LE, then values or child blocks, all little-endian; the
// root block is Tr_Worldfile. The scan needs only the pickups, so the file is read into their
// text as an 8-bit world file writes it: per Pickup child of the root a line "Pickup (", one
// line "<Name> ( v1 v2 ... )" per PickupType, PickupCapacity, TrItemId and Position child in
// stored order, and a line ")". Every other block is passed over by its length.
class BinaryWorldFile {
  public:
    static constexpr std::string_view kSubHeader = "JINX0w0b";
    static constexpr std::size_t kSubHeaderSize = 16;

    // Appends the pickup text of `data` (sub-header and blocks) to `text`. False when the data
    // is no whole binary world file (a length past its parent or the data, a value cut short, a
    // root other than Tr_Worldfile, bytes behind the root) or the text would outgrow `limit`.
    static bool appendPickupText(std::string_view data, std::size_t limit, std::string& text);

  private:
    BinaryWorldFile(std::string& text, std::size_t limit) : m_text(text), m_limit(limit) {}

    bool appendPickup(std::string_view children);
    bool appendValueLine(std::size_t row, std::string_view values);
    void appendValue(std::uint32_t bits, bool whole);

    std::string& m_text;
    std::size_t m_limit;
};

}  // namespace veltrano
