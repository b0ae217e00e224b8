// Any bytes as a stored world file, or as the content of a compressed one whose zlib stream is
// cut short or whose length field is wrong: decoding never crashes or runs away, a UTF-16 file
// gives the characters a track file of the same bytes gives, and a compressed text world file
// decodes exactly when its stream is whole and its length field large enough, and a binary one
// decodes compressed exactly as it does stored as it is.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "platform/TextCodec.h"
#include "platform/WorldFileDecoder.h"
#include "tests/support/WorldFileForms.h"

using veltrano::TextCodec;
using veltrano::WorldFileDecoder;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    // First byte: odd compresses the rest; then how much of the stream is kept and how far the
    // length field is off.
    const std::string_view rest(reinterpret_cast<const char*>(data) + 3, size - 3);
    if ((data[0] & 1) == 0) {
        const std::optional<std::string> decoded = WorldFileDecoder::decode(rest);
        if (rest.substr(0, 2) == "\xFF\xFE" || rest.substr(0, 2) == "\xFE\xFF") {
            FUZZ_CHECK(decoded.has_value());
            FUZZ_CHECK(WorldFileDecoder::itemText(*decoded) == TextCodec::decodeWholeFile(rest));
        } else if (decoded) {
            FUZZ_CHECK(decoded->substr(0, 24) == "SIMISA@@@@@@@@@@JINX0w0t");
        }
        return 0;
    }

    // A length field off by data[2] - 128, and the zlib stream cut to data[1] 255ths.
    const auto length = static_cast<std::uint32_t>(
        std::max<long long>(0, static_cast<long long>(rest.size() + data[2]) - 128));
    const std::string file = veltrano::test::compressedWorldFile(rest, length);
    constexpr std::size_t kHeader = 16;  // "SIMISA@F", the length field, "@@@@"
    const std::size_t kept = (file.size() - kHeader) * data[1] / 255;
    const bool whole = kHeader + kept == file.size();
    const bool lengthSuffices = length >= rest.size();
    const std::optional<std::string> decoded =
        WorldFileDecoder::decode(file.substr(0, kHeader + kept));
    if (whole && lengthSuffices && rest.substr(0, 8) == "JINX0w0t") {
        FUZZ_CHECK(decoded.has_value());
        FUZZ_CHECK(WorldFileDecoder::itemText(*decoded) ==
                   u"SIMISA@@@@@@@@@@" + TextCodec::decodeWindows1252(rest));
    } else if (!whole || !lengthSuffices) {
        FUZZ_CHECK(!decoded.has_value());
    } else if (rest.substr(0, 8) == "JINX0w0b") {
        FUZZ_CHECK(decoded == WorldFileDecoder::decode("SIMISA@@@@@@@@@@" + std::string(rest)));
    }
    FUZZ_CHECK(!decoded || decoded->substr(0, 24) == "SIMISA@@@@@@@@@@JINX0w0t");
    return 0;
}
