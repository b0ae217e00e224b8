#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/InputFile.h"
#include "platform/IoResult.h"
#include "platform/TextCodec.h"
#include "platform/WorldFileDecoder.h"

namespace veltrano {

// Reads an 8-bit world file item by item: spaces and tabs in front of an item are skipped,
// the item runs to the next comma, CR, LF or the end of the data, and that delimiter is
// consumed (a comma; CR with a directly following LF; a lone CR; a lone LF). The end is
// reached when the position stands at the end of the data, so "a," at the end yields one
// item and "a,\r\nb" yields "a", "", "b". Items are raw bytes, one byte one character.
// The file is read in blocks, so a very large world file costs no more memory than a small one.
//
// With `decodeOtherForms`, a file stored as UTF-16 text, compressed or binary is decoded whole
// into memory on opening (WorldFileDecoder) and split by the same rules; one that does not
// decode whole holds no item, so it fails the header test.
class WorldItemReader {
  public:
    explicit WorldItemReader(FileSystem& fileSystem, bool decodeOtherForms = false)
        : m_fileSystem(fileSystem), m_decodeOtherForms(decodeOtherForms) {}

    IoResult open(const std::string& path);
    bool atEnd();
    // Only valid while !atEnd(); a read error leaves `item` unspecified.
    IoResult readItem(std::string& item);
    // Passes over the items of the loaded block that cannot hold `keyword` (ASCII letters in
    // any case; its last byte is no letter and no delimiter), so that the next readItem() reads
    // the first item that may. An item that runs on into the next block is never passed over.
    // A caller that only looks for one keyword thus spends one search on a stretch of items
    // instead of reading each of them.
    void skipToItemThatMayHold(std::string_view keyword);
    void close();
    // The first error met while looking ahead for the end of the data, if any.
    const IoResult& lastError() const { return m_error; }
    // The text of an item of the open file: Windows-1252 for a file read as stored, the
    // decoded characters for one decoded on opening.
    std::u16string itemText(std::string_view item) const {
        return m_decoded ? WorldFileDecoder::itemText(item) : TextCodec::decodeWindows1252(item);
    }

  private:
    bool fill();
    IoResult appendBlock();
    IoResult decodeIfStoredOtherwise();

    FileSystem& m_fileSystem;
    bool m_decodeOtherForms;
    bool m_decoded = false;
    std::unique_ptr<InputFile> m_file;
    std::string m_buffer;
    std::size_t m_position = 0;
    bool m_eof = true;
    IoResult m_error = IoResult::success();
};

}  // namespace veltrano
