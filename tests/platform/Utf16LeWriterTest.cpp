#include "platform/Utf16LeWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextCodec.h"

namespace veltrano {
namespace {

// Keeps what is written in memory; the write numbered `failingWrite` (from 1) fails.
class MemoryOutput : public OutputFile {
  public:
    IoResult write(const char* data, std::size_t size) override {
        ++writes;
        if (writes == failingWrite) {
            return IoResult::failure("No space left on device");
        }
        bytes.append(data, size);
        return IoResult::success();
    }

    std::string bytes;
    int writes = 0;
    int failingWrite = 0;
};

// Units of every kind: ASCII, Latin-1, a character whose high byte is 0xFF, a surrogate pair.
std::u16string sampleText(std::size_t units) {
    const std::u16string pattern = u"Ab\u00e4\u20ac\uff21\U0001F682";
    std::u16string text;
    while (text.size() < units) {
        text += pattern;
    }
    text.resize(units);
    return text;
}

TEST(Utf16LeWriter, PiecesAcrossBlockEdgesGiveTheBytesOfTheWholeText) {
    constexpr std::size_t kBlockUnits = 512 * 1024;
    for (std::size_t total : {std::size_t{0}, std::size_t{1}, kBlockUnits - 2, kBlockUnits - 1,
                              kBlockUnits, 3 * kBlockUnits + 5}) {
        const std::u16string text = sampleText(total);
        for (std::size_t piece :
             {std::size_t{1}, std::size_t{7}, kBlockUnits - 1, kBlockUnits + 3}) {
            if (piece == 1 && total > 10000) {
                continue;  // a million one-unit appends would only make the test slow
            }
            MemoryOutput output;
            Utf16LeWriter writer(output);
            for (std::size_t at = 0; at < text.size(); at += piece) {
                ASSERT_TRUE(writer.append(std::u16string_view(text).substr(at, piece)).ok());
            }
            ASSERT_TRUE(writer.finish().ok());
            ASSERT_EQ(output.bytes, TextCodec::encodeUtf16LeWithBom(text))
                << total << " units in pieces of " << piece;
        }
    }
}

TEST(Utf16LeWriter, AFailedWriteEndsTheFileAndIsReportedToTheEnd) {
    MemoryOutput output;
    output.failingWrite = 2;
    Utf16LeWriter writer(output);
    const std::u16string text = sampleText(3 * 512 * 1024);
    EXPECT_TRUE(writer.append(std::u16string_view(text).substr(0, 600 * 1024)).ok());
    EXPECT_EQ(writer.append(std::u16string_view(text).substr(600 * 1024)).cause(),
              "No space left on device");
    EXPECT_EQ(writer.append(u"more").cause(), "No space left on device");
    EXPECT_EQ(writer.finish().cause(), "No space left on device");
    EXPECT_EQ(output.writes, 2);
    EXPECT_EQ(output.bytes.size(), 1024u * 1024u);
}

}  // namespace
}  // namespace veltrano
