#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

TEST(TextCodecDecodeWholeFile, Utf16LittleEndianDropsMarkAndOddTrailingByte) {
    EXPECT_EQ(TextCodec::decodeWholeFile(std::string("\xFF\xFE"
                                                     "A\0\xAC\x20"
                                                     "\x42",
                                                     7)),
              u"A\u20AC");
    EXPECT_EQ(TextCodec::decodeWholeFile("\xFF\xFE"), u"");
}

TEST(TextCodecDecodeWholeFile, Utf16BigEndianKeepsSurrogatePairs) {
    const std::string bytes("\xFE\xFF\x00\x41\xD8\x3D\xDE\x00\x7F", 9);
    EXPECT_EQ(TextCodec::decodeWholeFile(bytes), u"A\U0001F600");
}

TEST(TextCodecDecodeWholeFile, Utf8MarkIsDroppedAndInvalidBytesBecomeReplacement) {
    EXPECT_EQ(TextCodec::decodeWholeFile("\xEF\xBB\xBF\xC3\xA4x"), u"\u00E4x");
    // A stray continuation byte, a broken two-byte sequence, a truncated end.
    EXPECT_EQ(TextCodec::decodeWholeFile("\xEF\xBB\xBF"
                                         "a\x80"
                                         "b\xC3"
                                         "c\xE2\x82"),
              u"a\uFFFDb\uFFFDc\uFFFD");
}

TEST(TextCodecDecodeWholeFile, WithoutMarkEveryByteIsWindows1252) {
    // FE alone, or FF FE's halves elsewhere, are plain letters.
    EXPECT_EQ(TextCodec::decodeWholeFile("\xFE\x41\xFF"), u"\u00FEA\u00FF");
    EXPECT_EQ(TextCodec::decodeWholeFile("\xEF\xBB"
                                         "x"),
              u"\u00EF\u00BBx");
    EXPECT_EQ(TextCodec::decodeWholeFile(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(TextCodecWindows1252, HighControlRangeUsesTheCodePageAndKeepsItsHoles) {
    EXPECT_EQ(TextCodec::windows1252Char(0x80), u'\u20AC');
    EXPECT_EQ(TextCodec::windows1252Char(0x8A), u'\u0160');
    EXPECT_EQ(TextCodec::windows1252Char(0x96), u'\u2013');
    EXPECT_EQ(TextCodec::windows1252Char(0x9F), u'\u0178');
    for (unsigned char hole : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(TextCodec::windows1252Char(hole), char16_t(hole)) << int(hole);
    }
    EXPECT_EQ(TextCodec::windows1252Char(0x7F), u'\u007F');
    EXPECT_EQ(TextCodec::windows1252Char(0xA0), u'\u00A0');
    EXPECT_EQ(TextCodec::decodeWindows1252("\x84\x93\xFC"), u"\u201E\u201C\u00FC");
}

TEST(TextCodecUtf16Output, IsLittleEndianWithMarkAndNoLineEndAdded) {
    EXPECT_EQ(TextCodec::encodeUtf16LeWithBom(u"A\u20AC"),
              std::string("\xFF\xFE\x41\x00\xAC\x20", 6));
    EXPECT_EQ(TextCodec::encodeUtf16LeWithBom(u""), "\xFF\xFE");
}

TEST(TextCodecUtf16Output, RoundTripsEveryCodeUnitIncludingLoneSurrogates) {
    std::u16string text;
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        text.push_back(static_cast<char16_t>(unit));
    }
    EXPECT_EQ(TextCodec::decodeWholeFile(TextCodec::encodeUtf16LeWithBom(text)), text);
}

TEST(TextCodecUtf8, SurrogatePairsBecomeFourBytesAndLoneOnesReplacement) {
    EXPECT_EQ(TextCodec::toUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(TextCodec::toUtf8(u"a\xD83D"
                                "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(TextCodec::toUtf8(u"\xDE00\xD83D"), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(TextCodec::fromUtf8("\xF0\x9F\x98\x80"), u"\U0001F600");
}

TEST(TextCodecUtf8, RejectsOverlongSurrogateAndOutOfRangeForms) {
    EXPECT_EQ(TextCodec::fromUtf8("\xC0\x80"), u"\uFFFD\uFFFD");
    EXPECT_EQ(TextCodec::fromUtf8("\xE0\x80\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(TextCodec::fromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(TextCodec::fromUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(TextCodec::fromUtf8("\xF5"), u"\uFFFD");
    // A sequence cut short by an ASCII byte keeps that byte.
    EXPECT_EQ(TextCodec::fromUtf8("\xF0\x9F\x98"
                                  "A"),
              u"\uFFFDA");
}

TEST(TextCodecUtf8, RoundTripsEveryScalarValue) {
    for (char32_t codePoint = 0; codePoint <= 0x10FFFF; ++codePoint) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            continue;
        }
        std::u16string text;
        if (codePoint < 0x10000) {
            text.push_back(static_cast<char16_t>(codePoint));
        } else {
            text.push_back(static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
        }
        const std::string utf8 = TextCodec::toUtf8(text);
        const std::size_t expectedLength = codePoint < 0x80      ? 1
                                           : codePoint < 0x800   ? 2
                                           : codePoint < 0x10000 ? 3
                                                                 : 4;
        ASSERT_EQ(utf8.size(), expectedLength) << std::hex << static_cast<unsigned>(codePoint);
        ASSERT_EQ(TextCodec::fromUtf8(utf8), text) << std::hex << static_cast<unsigned>(codePoint);
    }
}

}  // namespace
}  // namespace veltrano
