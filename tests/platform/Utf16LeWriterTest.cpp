// Track files are written as UTF-16LE with their mark, in blocks; the bytes are those of the
// whole text, wherever the pieces and the blocks end.

#include "platform/Utf16LeWriter.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

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
