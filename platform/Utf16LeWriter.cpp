#include "platform/Utf16LeWriter.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace veltrano {

namespace {

// Large enough for few system calls, small enough to stay in the processor's cache between
// being filled and being written.
constexpr std::size_t kBlockSize = 1024 * 1024;

void appendUnits(std::string& block, std::u16string_view units) {
    const std::size_t start = block.size();
    block.resize(start + 2 * units.size());
    char* out = block.data() + start;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out, units.data(), 2 * units.size());
    } else {
        for (char16_t unit : units) {
            *out++ = static_cast<char>(unit & 0xFF);
            *out++ = static_cast<char>(unit >> 8);
        }
    }
}

}  // namespace

Utf16LeWriter::Utf16LeWriter(OutputFile& file) : m_file(file) {
    m_block.reserve(kBlockSize);
    m_block.append("\xFF\xFE");
}

IoResult Utf16LeWriter::append(std::u16string_view text) {
    while (m_result && !text.empty()) {
        const std::size_t room = (kBlockSize - m_block.size()) / 2;
        const std::size_t taken = std::min(room, text.size());
        appendUnits(m_block, text.substr(0, taken));
        text.remove_prefix(taken);
        // The mark and the units fill a block in whole units: it is full or has room.
        if (m_block.size() >= kBlockSize) {
            m_result = writeBlock();
        }
    }
    return m_result;
}

IoResult Utf16LeWriter::finish() {
    if (m_result && !m_block.empty()) {
        m_result = writeBlock();
    }
    return m_result;
}

IoResult Utf16LeWriter::writeBlock() {
    IoResult written = m_file.write(m_block.data(), m_block.size());
    m_block.clear();
    return written;
}

}  // namespace veltrano
