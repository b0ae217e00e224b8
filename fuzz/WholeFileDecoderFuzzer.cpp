// Any bytes as a whole track or route file: decoding never fails, and what the program writes
// back from a decoded text reads back as the same text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "platform/TextCodec.h"

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

    // Paths and protocol lines go out as UTF-8: the round trip keeps every code unit but a lone
    // surrogate, which becomes U+FFFD, and leaves none.
    const auto lone = [](const std::u16string& s, std::size_t i) {
        const auto is = [&s](std::size_t j, char16_t kind) {
            return j < s.size() && (s[j] & 0xFC00) == kind;
        };
        return (is(i, 0xD800) && !is(i + 1, 0xDC00)) || (is(i, 0xDC00) && !is(i - 1, 0xD800));
    };
    const std::string utf8 = TextCodec::toUtf8(text);
    const std::u16string back = TextCodec::fromUtf8(utf8);
    FUZZ_CHECK(back.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        FUZZ_CHECK(!lone(back, i) && back[i] == (lone(text, i) ? u'\uFFFD' : text[i]));
    }
    FUZZ_CHECK(TextCodec::toUtf8(back) == utf8);
    return 0;
}
