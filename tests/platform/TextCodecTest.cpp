// Whole-file decoding by the byte-order mark, the code page's holes, and UTF-8 and UTF-16 out.

#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

using namespace std::string_literals;

struct Decoding {
    std::string bytes;
    std::string utf8;  // the decoded text, as UTF-8
};

class WholeFileDecoding : public ::testing::TestWithParam<Decoding> {};

TEST_P(WholeFileDecoding, MarkDecidesTheFormAndIsNoPartOfTheText) {
    EXPECT_EQ(TextCodec::toUtf8(TextCodec::decodeWholeFile(GetParam().bytes)), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WholeFileDecoding,
    ::testing::Values(Decoding{"\xFF\xFE\x61\0\xE4\0"s, "a\xC3\xA4"},
                      Decoding{"\xFF\xFE\x61\0b"s, "a"},  // an odd last byte is dropped
                      Decoding{"\xFE\xFF\xD8\x3D\xDE\x00"s, "\xF0\x9F\x98\x80"},
                      Decoding{"\xEF\xBB\xBF\x61\xC3\xA4\xFF"s, "a\xC3\xA4\xEF\xBF\xBD"},
                      Decoding{"\xEF\xBB\xBF\xED\xA0\x80"s, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
                      Decoding{"\x80\x9F\xE4"s, "\xE2\x82\xAC\xC5\xB8\xC3\xA4"},
                      // The code page's five holes stand for the characters of their codes.
                      Decoding{"\x81\x8D\x8F\x90\x9D"s, "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
                      Decoding{"\xFE\x61"s, "\xC3\xBE\x61"}, Decoding{""s, ""}));

TEST(TextCodec, Utf16OutputKeepsEveryCodeUnitAndUtf8ReplacesLoneSurrogates) {
    const std::u16string text = {u'a', 0xD800, 0, 0xDC00, 0xD83D, 0xDE00, u'\r', u'\n'};
    const std::string bytes = TextCodec::encodeUtf16LeWithBom(text);
    EXPECT_EQ(bytes.substr(0, 4), "\xFF\xFE\x61\0"s);  // "a" after the mark
    EXPECT_EQ(TextCodec::decodeWholeFile(bytes), text);
    EXPECT_EQ(TextCodec::toUtf8(text),
              std::string("a\xEF\xBF\xBD\0\xEF\xBF\xBD\xF0\x9F\x98\x80\r\n", 14));
    EXPECT_EQ(TextCodec::fromUtf8(TextCodec::toUtf8(u"\u00e4\u20ac\U0001F600")),
              u"\u00e4\u20ac\U0001F600");
    // The last and first code point of each length of UTF-8 form.
    const std::string edges =
        "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    EXPECT_EQ(TextCodec::toUtf8(u"\u007f\u0080\u07ff\u0800\uffff\U00010000\U0010FFFF"), edges);
    EXPECT_EQ(TextCodec::fromUtf8(edges + "\x80"),
              u"\u007f\u0080\u07ff\u0800\uffff\U00010000\U0010FFFF\ufffd");
    // A sequence the text ends in the middle of is broken, whatever follows in memory.
    EXPECT_EQ(TextCodec::fromUtf8(std::string_view(edges).substr(0, 2)), u"\u007f\ufffd");
    EXPECT_EQ(TextCodec::toUtf8(std::u16string_view(u"a\U0001F600").substr(0, 2)), "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace veltrano
