#include "platform/WorldItemReader.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

namespace veltrano {

namespace {

// Large enough to keep the number of reads of a 200 MB world file small, small enough that
// the reader's memory does not grow with the file.
constexpr std::size_t kBlockSize = 64 * 1024;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDelimiter(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

// Nonzero exactly when one of the eight bytes of `word` equals `byte` (a borrow can mark a
// wrong position, never miss one).
std::uint64_t byteMatches(std::uint64_t word, unsigned char byte) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    const std::uint64_t equal = word ^ (kOnes * byte);
    return (equal - kOnes) & ~equal & kHighs;
}

// The next comma, CR or LF at or after `from`; npos when there is none. Eight bytes are tested
// at a time until a word holds one of them; a world file has millions of items.
std::size_t findDelimiter(const std::string& buffer, std::size_t from) {
    std::size_t at = from;
    for (; at + sizeof(std::uint64_t) <= buffer.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, buffer.data() + at, sizeof word);
        if (byteMatches(word, ',') | byteMatches(word, '\r') | byteMatches(word, '\n')) {
            break;
        }
    }
    for (; at < buffer.size(); ++at) {
        if (isDelimiter(buffer[at])) {
            return at;
        }
    }
    return std::string::npos;
}

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalIgnoringAsciiCase(const char* bytes, std::string_view keyword) {
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        if (upperAscii(bytes[i]) != upperAscii(keyword[i])) {
            return false;
        }
    }
    return true;
}

// The start of the item that holds the byte at `at`: just behind the last delimiter before it,
// or `from` when there is none in between.
std::size_t itemStart(const std::string& buffer, std::size_t from, std::size_t at) {
    while (at > from && !isDelimiter(buffer[at - 1])) {
        --at;
    }
    return at;
}

}  // namespace

void WorldItemReader::skipToItemThatMayHold(std::string_view keyword) {
    if (keyword.empty() || !fill()) {
        return;
    }
    const char* data = m_buffer.data();
    const std::size_t size = m_buffer.size();
    const std::size_t lead = keyword.size() - 1;
    // The keyword's last byte is no letter, so it is looked for as it is, at memchr's speed.
    // Each pass goes on from the byte after the last hit.
    for (std::size_t at = m_position + lead; at < size; ++at) {
        const void* hit = std::memchr(data + at, keyword.back(), size - at);
        if (hit == nullptr) {
            break;
        }
        at = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
        if (equalIgnoringAsciiCase(data + at - lead, keyword)) {
            m_position = itemStart(m_buffer, m_position, at - lead);
            return;
        }
    }
    // None in the block: only its last item, which may go on in the next block, is left.
    m_position = itemStart(m_buffer, m_position, size);
}

IoResult WorldItemReader::open(const std::string& path) {
    close();
    m_error = IoResult::success();
    m_decoded = false;
    IoResult opened = m_fileSystem.openInput(path, m_file);
    if (!opened) {
        m_file.reset();
        return opened;
    }
    m_eof = false;
    return m_decodeOtherForms ? decodeIfStoredOtherwise() : opened;
}

// Loads a file stored as UTF-16 text, compressed or binary whole and puts its decoded text in
// place of the data. One that does not decode whole (or is too large to) holds no item then, so
// it fails the header test as a damaged file: read as stored, a binary one would pass it.
IoResult WorldItemReader::decodeIfStoredOtherwise() {
    // A read fills its block unless the file ends first, so the first block holds the
    // signature of any file long enough to have one.
    static_assert(kBlockSize >= WorldFileDecoder::kSignatureSize);
    if (IoResult read = appendBlock(); !read) {
        return read;
    }
    if (!WorldFileDecoder::isStoredOtherwise(m_buffer)) {
        return IoResult::success();
    }
    while (!m_eof && m_buffer.size() <= WorldFileDecoder::kMaxSize) {
        if (IoResult read = appendBlock(); !read) {
            return read;
        }
    }
    std::optional<std::string> text = m_eof ? WorldFileDecoder::decode(m_buffer) : std::nullopt;
    m_buffer = text ? std::move(*text) : std::string();
    m_decoded = true;
    m_eof = true;
    m_file.reset();
    return IoResult::success();
}

// Adds the file's next block behind the loaded data; at the end of the file it sets the end.
IoResult WorldItemReader::appendBlock() {
    const std::size_t loaded = m_buffer.size();
    m_buffer.resize(loaded + kBlockSize);
    std::size_t got{};
    IoResult result = m_file->read(m_buffer.data() + loaded, kBlockSize, got);
    m_buffer.resize(loaded + (result ? got : 0));
    if (!result || got == 0) {
        m_eof = true;
    }
    return result;
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
    // Without an open file the end is set too.
    if (m_eof) {
        return false;
    }
    m_buffer.resize(kBlockSize);
    m_position = 0;
    std::size_t got{};
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
