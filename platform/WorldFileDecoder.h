#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace veltrano {

// Turns a world file stored in another form than 8-bit text into text the item reader splits:
// UTF-16 text after a byte-order mark (either order), and the compressed form: "SIMISA@F", the
// 32-bit little-endian length of the inflated data, "@@@@", then a zlib stream holding a
// 16-character sub-header and the content. A compressed file is a text world file when its
// sub-header starts "JINX0w0t"; it reads as "SIMISA@@@@@@@@@@" followed by the inflated data,
// which is UTF-16LE (with or without a byte-order mark) or 8-bit Windows-1252. A binary world
// file, "SIMISA@@@@@@@@@@" and the sub-header "JINX0w0b" stored as they are or compressed as
// above, reads as the text of its pickups (BinaryWorldFile) behind a plain-text header line.
//
// The decoded text comes as item bytes: each UTF-16 code unit as the UTF-8 form of its value (a
// surrogate as three bytes of its own). Commas, line ends, spaces and tabs stay the single bytes
// the item reader splits at, no other byte equals one of them or an ASCII letter, and every
// character, also one outside Windows-1252, comes back unchanged from an item.
class WorldFileDecoder {
  public:
    // Enough of a file's start to tell its storage form: the header and the sub-header's form
    // byte.
    static constexpr std::size_t kSignatureSize = 24;
    // Neither a stored file nor its inflated data is decoded beyond this size; world files are
    // a few megabytes, so anything larger is damage (or not meant to be read here).
    static constexpr std::size_t kMaxSize = std::size_t{256} << 20;

    // True when `start`, the first bytes of a file, shows a form decode() reads.
    static bool isStoredOtherwise(std::string_view start);
    // The item bytes of a whole stored file; none when it holds no world file decode() reads
    // whole: another kind of file, a damaged or truncated stream or binary block, more data than
    // its length field says, or too large.
    static std::optional<std::string> decode(std::string_view stored);
    // The text of one item cut from decoded bytes.
    static std::u16string itemText(std::string_view item);
};

}  // namespace veltrano
