// What the file service does with the odd answers of the system calls under a read or a write
// (an interruption, a short or an empty write), what a cut-off replace leaves for the next run
// to sweep, how a whole file is read as text, and that track files written as UTF-16LE in
// blocks hold the bytes of the whole text wherever the pieces and the blocks end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "platform/Utf16LeWriter.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

using test::Fault;
using test::FileOperation;

// The call, what its system call meets, and the cause of the copy's failure (none: it succeeds
// whole).
using StepRow = std::tuple<FileOperation, Fault::Effect, std::string>;

class SystemCallAnswer : public ::testing::TestWithParam<StepRow> {};

// A copy reads the source and writes the new file through the two calls that can meet these.
TEST_P(SystemCallAnswer, CopyIsWholeOrTheOldFileStays) {
    const auto [operation, effect, cause] = GetParam();
    test::TempRoute route;
    std::string bytes;
    for (int i = 0; bytes.size() < 600'000; ++i) {  // hundreds of kilobytes, as track files
        bytes += std::to_string(i) + ",";
    }
    route.writeBytes("source.tdb", bytes);
    route.writeBytes("copy.tdb", "old");
    test::FaultyFileSystem fileSystem;
    fileSystem.inject({0, {operation}, effect, EIO});
    const IoResult result =
        fileSystem.copyFile(route.pathOf("source.tdb"), route.pathOf("copy.tdb"));
    EXPECT_EQ(fileSystem.faultsFired(), 1u);
    EXPECT_EQ(result.cause(), cause);
    EXPECT_EQ(route.readBytes("copy.tdb"), cause.empty() ? bytes : "old");
    EXPECT_EQ(route.list().size(), 2u);  // no temporary file is left
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SystemCallAnswer,
    ::testing::Values(StepRow{FileOperation::Read, Fault::Effect::Interrupt, ""},
                      StepRow{FileOperation::Read, Fault::Effect::Short, ""},
                      StepRow{FileOperation::Write, Fault::Effect::Interrupt, ""},
                      StepRow{FileOperation::Write, Fault::Effect::Short, ""},
                      // Taking nothing is no progress: the write ends as a full disk.
                      StepRow{FileOperation::Write, Fault::Effect::Nothing,
                              "No space left on device"}));

// A replace cut off before its end (here its rename and the clean-up after it fail, as when a
// run is killed) leaves its temporary file; the next run's sweep removes it and nothing else.
TEST(FileSystem, SweepRemovesWhatAnInterruptedReplaceLeftAndNothingElse) {
    test::TempRoute route;
    const std::vector<std::string> kept = {".veltrano-notes.tmp", "ABC.tdb", "notes.tmp"};
    for (const std::string& name : kept) {
        route.writeBytes(name, "old");
    }
    test::FaultyFileSystem fileSystem;
    fileSystem.inject({0, {FileOperation::Rename}});
    fileSystem.inject({0, {FileOperation::Remove}});
    EXPECT_FALSE(fileSystem.replaceFile(route.pathOf("ABC.tdb"), "new").ok());
    EXPECT_EQ(route.list().size(), kept.size() + 1);
    fileSystem.removeStaleTemporaryFiles(route.path());
    EXPECT_EQ(route.list(), kept);
    EXPECT_EQ(route.readBytes("ABC.tdb"), "old");
}

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
