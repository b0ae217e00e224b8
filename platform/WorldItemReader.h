#pragma once

#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/InputFile.h"
#include "platform/IoResult.h"

namespace veltrano {

// Reads an 8-bit world file item by item: spaces and tabs in front of an item are skipped,
// the item runs to the next comma, CR, LF or the end of the data, and that delimiter is
// consumed (a comma; CR with a directly following LF; a lone CR; a lone LF). The end is
// reached when the position stands at the end of the data, so "a," at the end yields one
// item and "a,\r\nb" yields "a", "", "b". Items are raw bytes, one byte one character.
// The file is read in blocks, so a very large world file costs no more memory than a small one.
class WorldItemReader {
public:
    explicit WorldItemReader(FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

    IoResult open(const std::string& path);
    bool atEnd();
    // Only valid while !atEnd(); a read error leaves `item` unspecified.
    IoResult readItem(std::string& item);
    void close();
    // The first error met while looking ahead for the end of the data, if any.
    const IoResult& lastError() const { return m_error; }

private:
    bool fill();

    FileSystem& m_fileSystem;
    std::unique_ptr<InputFile> m_file;
    std::string m_buffer;
    std::size_t m_position = 0;
    bool m_eof = true;
    IoResult m_error = IoResult::success();
};

}  // namespace veltrano
