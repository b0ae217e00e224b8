// How a whole file is read as text, and that track files written as UTF-16LE in blocks hold the
// bytes of the whole text wherever the pieces and the blocks end. (The odd answers of the system
// calls under a read or a write, and what a cut-off replace leaves for the next run to sweep,
// are golden run cases.)

#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "platform/Utf16LeWriter.h"
#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

// The file's bytes and its text as UTF-8.
using TextRow = std::pair<std::string, std::string>;

class WholeText : public ::testing::TestWithParam<TextRow> {};

TEST_P(WholeText, ByteOrderMarkDecidesTheForm) {
    test::TempRoute route;
    route.writeBytes("ABC.tit", GetParam().first);
    FileSystem fileSystem;
    std::u16string text;
    ASSERT_TRUE(fileSystem.readText(route.pathOf("ABC.tit"), text).ok());
    EXPECT_EQ(TextCodec::toUtf8(text), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WholeText,
    // The long ones are read in more than one piece, so mark and rest come apart; the
    // little-endian one is read straight into the text. A file shorter than a mark has none.
    ::testing::Values(TextRow{"\xFE\xFF" + std::string(80'000, '\x20'),
                              TextCodec::toUtf8(std::u16string(40'000, u'\x2020'))},
                      TextRow{"\xFF\xFE" + std::string(300'001, '\x20'),
                              TextCodec::toUtf8(std::u16string(150'000, u'\x2020'))},
                      TextRow{"\xFE", "\xC3\xBE"}));

TEST(Utf16LeWriter, PiecesAcrossBlockEdgesReadBackAsTheWholeText) {
    std::u16string text;
    for (std::size_t i = 0; text.size() < 1'700'000; ++i) {
        text += std::u16string(i % 4099, static_cast<char16_t>(0xD800 + i % 0x2800));
    }
    test::TempRoute folder;
    FileSystem fileSystem;
    ASSERT_TRUE(fileSystem.replaceFile(folder.pathOf("x.tdb"), [&text](OutputFile& file) {
        Utf16LeWriter writer(file);
        for (std::size_t at = 0; at < text.size(); at += 333'333) {
            EXPECT_TRUE(writer.append(std::u16string_view(text).substr(at, 333'333)).ok());
        }
        return writer.finish();
    }));
    EXPECT_EQ(folder.readBytes("x.tdb"), TextCodec::encodeUtf16LeWithBom(text));
}

}  // namespace
}  // namespace veltrano
