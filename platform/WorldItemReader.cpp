#include "platform/WorldItemReader.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace veltrano {

namespace {

// Large enough to keep the number of reads of a 200 MB world file small, small enough that
// the reader's memory does not grow with the file.
constexpr std::size_t kBlockSize = 64 * 1024;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// True when one of the eight bytes of `word` equals `byte` (exact: a borrow can mark a wrong
// position, never a missing one).
bool holdsByte(std::uint64_t word, unsigned char byte) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    const std::uint64_t equal = word ^ (kOnes * byte);
    return ((equal - kOnes) & ~equal & kHighs) != 0;
}

// The next comma, CR or LF at or after `from`; npos when there is none. Eight bytes are tested
// at a time until a word holds one of them; a world file has millions of items.
std::size_t findDelimiter(const std::string& buffer, std::size_t from) {
    std::size_t at = from;
    for (; at + sizeof(std::uint64_t) <= buffer.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, buffer.data() + at, sizeof word);
        if (holdsByte(word, ',') || holdsByte(word, '\r') || holdsByte(word, '\n')) {
            break;
        }
    }
    for (; at < buffer.size(); ++at) {
        const char c = buffer[at];
        if (c == ',' || c == '\r' || c == '\n') {
            return at;
        }
    }
    return std::string::npos;
}

}  // namespace

IoResult WorldItemReader::open(const std::string& path) {
    close();
    m_error = IoResult::success();
    IoResult opened = m_fileSystem.openInput(path, m_file);
    if (!opened) {
        m_file.reset();
        return opened;
    }
    m_eof = false;
    return opened;
}

bool WorldItemReader::atEnd() {
    return !fill();
}

IoResult WorldItemReader::readItem(std::string& item) {
    item.clear();
    // Each test first looks at the loaded block and asks fill() only at its end: a world file
    // has millions of items, and the block is almost never used up.
    while ((m_position < m_buffer.size() || fill()) && isBlank(m_buffer[m_position])) {
        ++m_position;
    }
    // The item may run over several blocks; copy it a block segment at a time.
    while (m_position < m_buffer.size() || fill()) {
        const std::size_t stop = findDelimiter(m_buffer, m_position);
        if (stop == std::string::npos) {
            item.append(m_buffer, m_position, std::string::npos);
            m_position = m_buffer.size();
            continue;
        }
        item.append(m_buffer, m_position, stop - m_position);
        m_position = stop;
        break;
    }
    // The delimiter: a comma, a lone CR, a lone LF, or CR LF even when the LF lies in the
    // next block.
    if (m_position < m_buffer.size() || fill()) {
        const char delimiter = m_buffer[m_position];
        ++m_position;
        if (delimiter == '\r' && (m_position < m_buffer.size() || fill()) &&
            m_buffer[m_position] == '\n') {
            ++m_position;
        }
    }
    return m_error;
}

void WorldItemReader::close() {
    m_file.reset();
    m_buffer.clear();
    m_position = 0;
    m_eof = true;
}

// Makes sure the byte at the position is loaded; false at the end of the data or after a
// read error, which is kept for lastError().
bool WorldItemReader::fill() {
    if (m_position < m_buffer.size()) {
        return true;
    }
    if (m_eof || !m_file) {
        return false;
    }
    m_buffer.resize(kBlockSize);
    m_position = 0;
    std::size_t got = 0;
    IoResult result = m_file->read(m_buffer.data(), m_buffer.size(), got);
    if (!result) {
        // The end is set below, so no later read can overwrite the first error.
        got = 0;
        m_error = result;
    }
    m_buffer.resize(got);
    if (got == 0) {
        m_eof = true;
        return false;
    }
    return true;
}

}  // namespace veltrano
