#include "platform/WorldItemReader.h"

#include <cstddef>

namespace veltrano {

namespace {

// Large enough to keep the number of reads of a 200 MB world file small, small enough that
// the reader's memory does not grow with the file.
constexpr std::size_t kBlockSize = 64 * 1024;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
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
    while (fill() && isBlank(m_buffer[m_position])) {
        ++m_position;
    }
    // The item may run over several blocks; copy it a block segment at a time.
    while (fill()) {
        const std::size_t stop = m_buffer.find_first_of(",\r\n", m_position);
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
    if (fill()) {
        const char delimiter = m_buffer[m_position];
        ++m_position;
        if (delimiter == '\r' && fill() && m_buffer[m_position] == '\n') {
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
