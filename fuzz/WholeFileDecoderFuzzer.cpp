// Any bytes as a whole track or route file: decoding never fails, and what the program writes
// back from a decoded text reads back as the same text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "platform/TextCodec.h"

namespace {

bool hasLoneSurrogate(const std::u16string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;  // a pair
        } else if (text[i] >= 0xD800 && text[i] <= 0xDFFF) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using veltrano::TextCodec;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::u16string text = TextCodec::decodeWholeFile(bytes);
    // Never more characters than bytes: no decoding invents text.
    FUZZ_CHECK(text.size() <= bytes.size());

    // A track file written back reads back exactly.
    const std::string written = TextCodec::encodeUtf16LeWithBom(text);
    FUZZ_CHECK(written.size() == 2 + 2 * text.size());
    FUZZ_CHECK(TextCodec::decodeWholeFile(written) == text);

    // 8-bit text is one character per byte.
    FUZZ_CHECK(TextCodec::decodeWindows1252(bytes).size() == bytes.size());

    // Paths and protocol lines go out as UTF-8: that round trip loses only lone surrogates.
    const std::string utf8 = TextCodec::toUtf8(text);
    const std::u16string back = TextCodec::fromUtf8(utf8);
    if (!hasLoneSurrogate(text)) {
        FUZZ_CHECK(back == text);
    }
    FUZZ_CHECK(!hasLoneSurrogate(back));
    FUZZ_CHECK(TextCodec::toUtf8(back) == utf8);
    return 0;
}
