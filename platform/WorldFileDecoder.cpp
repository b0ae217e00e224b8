#include "platform/WorldFileDecoder.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/BinaryWorldFile.h"
#include "platform/TextCodec.h"

// The stream is only read: zlib then takes its input as const.
#define ZLIB_CONST
#include <zlib.h>

namespace veltrano {

namespace {

constexpr std::string_view kCompressedSignature = "SIMISA@F";
constexpr std::size_t kCompressedHeaderSize = 16;
constexpr std::string_view kTextHeader = "SIMISA@@@@@@@@@@";
constexpr std::string_view kTextSubHeader = "JINX0w0t";
// What the text of a binary world file starts with, so that it passes the plain-text test.
constexpr std::string_view kTwinHeaderLine = "SIMISA@@@@@@@@@@JINX0w0t______\r\n";
// The eighth byte of a sub-header tells text ('t') from tokens ('b').
constexpr std::size_t kFormByte = 7;
// The first output room handed to zlib; it doubles as the data grows, so a false length field
// never allocates at once.
constexpr std::size_t kFirstInflateRoom = std::size_t{64} << 10;

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// An odd last byte cannot form a code unit and is dropped, as in track files.
void appendUtf16(std::string& bytes, std::string_view utf16, bool bigEndian) {
    bytes.reserve(bytes.size() + utf16.size() / 2 * 3);
    const auto* data = reinterpret_cast<const unsigned char*>(utf16.data());
    const std::size_t high = bigEndian ? 0 : 1;
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
        TextCodec::appendUtf8(bytes,
                              static_cast<char16_t>((data[i + high] << 8) | data[i + 1 - high]));
    }
}

void appendWindows1252(std::string& bytes, std::string_view text) {
    bytes.reserve(bytes.size() + text.size());
    for (const char c : text) {
        TextCodec::appendUtf8(bytes, TextCodec::windows1252Char(static_cast<unsigned char>(c)));
    }
}

// Inflated data is kept in one buffer per thread: a route has hundreds of compressed world
// files, and a fresh buffer for each costs more in page faults than inflating. One that a
// large file grew beyond this is given back.
constexpr std::size_t kKeptScratch = std::size_t{16} << 20;

class InflateScratch {
  public:
    InflateScratch() : m_data(buffer()) {}
    ~InflateScratch() {
        if (m_data.capacity() > kKeptScratch) {
            std::string().swap(m_data);
        }
    }
    InflateScratch(const InflateScratch&) = delete;
    InflateScratch& operator=(const InflateScratch&) = delete;
    std::string& data() { return m_data; }

  private:
    static std::string& buffer() {
        thread_local std::string scratch;
        return scratch;
    }
    std::string& m_data;
};

// Inflates the whole zlib stream into `data`; false unless it ends properly within `limit`
// bytes of output.
bool inflateWithin(std::string_view stream, std::size_t limit, std::string& data) {
    // decode() takes no larger file, so zlib's 32-bit count holds the whole stream.
    static_assert(WorldFileDecoder::kMaxSize <= UINT_MAX);
    data.clear();
    z_stream z{};
    if (inflateInit(&z) != Z_OK) {
        return false;
    }
    z.next_in = reinterpret_cast<const Bytef*>(stream.data());
    z.avail_in = static_cast<uInt>(stream.size());
    int status = Z_OK;
    while (status == Z_OK) {
        // One byte of room beyond the limit shows a stream that runs longer.
        const std::size_t produced = data.size();
        const std::size_t room =
            std::min(limit + 1 - produced, std::max(produced, kFirstInflateRoom));
        data.resize(produced + room);
        z.next_out = reinterpret_cast<Bytef*>(data.data() + produced);
        z.avail_out = static_cast<uInt>(room);
        status = inflate(&z, Z_NO_FLUSH);
        data.resize(data.size() - z.avail_out);
        if (data.size() > limit) {
            status = Z_DATA_ERROR;
        }
    }
    inflateEnd(&z);
    // Anything but the stream's end (Z_BUF_ERROR: the input ran out first) is damage.
    return status == Z_STREAM_END;
}

// The text of a binary world file, behind its plain-text header line.
std::optional<std::string> decodeBinary(std::string_view subHeaderAndBlocks) {
    std::string text(kTwinHeaderLine);
    if (!BinaryWorldFile::appendPickupText(subHeaderAndBlocks, WorldFileDecoder::kMaxSize, text)) {
        return std::nullopt;
    }
    return text;
}

bool isBinaryUncompressed(std::string_view stored) {
    return startsWith(stored, kTextHeader) && stored.size() > kTextHeader.size() + kFormByte &&
           stored[kTextHeader.size() + kFormByte] == 'b';
}

std::optional<std::string> decodeCompressed(std::string_view stored) {
    if (stored.size() < kCompressedHeaderSize || stored.substr(12, 4) != "@@@@") {
        return std::nullopt;
    }
    const auto* header = reinterpret_cast<const unsigned char*>(stored.data());
    const std::uint32_t length = header[8] | (header[9] << 8) | (header[10] << 16) |
                                 (static_cast<std::uint32_t>(header[11]) << 24);
    if (length > WorldFileDecoder::kMaxSize) {
        return std::nullopt;
    }
    InflateScratch scratch;
    const std::string& inflated = scratch.data();
    if (!inflateWithin(stored.substr(kCompressedHeaderSize), length, scratch.data())) {
        return std::nullopt;
    }
    if (startsWith(inflated, BinaryWorldFile::kSubHeader)) {
        return decodeBinary(inflated);
    }
    std::string text(kTextHeader);
    if (startsWith(inflated, "\xFF\xFE")) {
        appendUtf16(text, std::string_view(inflated).substr(2), false);
    } else if (startsWith(inflated, std::string_view("J\0I\0", 4))) {
        appendUtf16(text, inflated, false);
    } else {
        appendWindows1252(text, inflated);
    }
    // Any other sub-header is another kind of file.
    if (std::string_view(text).substr(kTextHeader.size(), kTextSubHeader.size()) !=
        kTextSubHeader) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

bool WorldFileDecoder::isStoredOtherwise(std::string_view start) {
    return startsWith(start, "\xFF\xFE") || startsWith(start, "\xFE\xFF") ||
           startsWith(start, kCompressedSignature) || isBinaryUncompressed(start);
}

std::optional<std::string> WorldFileDecoder::decode(std::string_view stored) {
    if (stored.size() > kMaxSize) {
        return std::nullopt;
    }
    if (startsWith(stored, kCompressedSignature)) {
        return decodeCompressed(stored);
    }
    if (isBinaryUncompressed(stored)) {
        return decodeBinary(stored.substr(kTextHeader.size()));
    }
    if (startsWith(stored, "\xFF\xFE") || startsWith(stored, "\xFE\xFF")) {
        std::string text;
        appendUtf16(text, stored.substr(2), stored[0] == '\xFE');
        return text;
    }
    return std::nullopt;
}

std::u16string WorldFileDecoder::itemText(std::string_view item) {
    std::u16string text;
    text.reserve(item.size());
    std::size_t i = 0;
    while (i < item.size()) {
        const auto lead = static_cast<unsigned char>(item[i++]);
        const int following = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : 2;
        char16_t unit = lead < 0x80 ? lead : lead < 0xE0 ? (lead & 0x1F) : (lead & 0x0F);
        // The bytes are decode()'s own, so a form is never cut short; the bound only keeps a
        // stray input inside the item.
        for (int k = 0; k < following && i < item.size(); ++k) {
            unit =
                static_cast<char16_t>((unit << 6) | (static_cast<unsigned char>(item[i++]) & 0x3F));
        }
        text.push_back(unit);
    }
    return text;
}

}  // namespace veltrano
