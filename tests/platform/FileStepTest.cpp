// What the file service does with the odd answers of the system calls under a read or a write
// (an interruption, a short or an empty write), and how a whole file is read as text.

#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

using test::Fault;
using test::FileOperation;

struct StepRow {
    FileOperation operation;
    Fault::Effect effect;
    bool copied;  // whether the copy must succeed whole
};

class SystemCallAnswer : public ::testing::TestWithParam<StepRow> {};

// A copy reads the source and writes the new file through the two calls that can meet these.
TEST_P(SystemCallAnswer, CopyIsWholeOrTheOldFileStays) {
    const StepRow& row = GetParam();
    test::TempRoute route;
    std::string bytes;
    for (int i = 0; bytes.size() < 200'000; ++i) {
        bytes += std::to_string(i) + ",";
    }
    route.writeBytes("source.tdb", bytes);
    route.writeBytes("copy.tdb", "old");
    test::FaultyFileSystem fileSystem;
    fileSystem.inject({Fault::Trigger::NthCall, 0, {row.operation}, row.effect, EIO});
    const IoResult result =
        fileSystem.copyFile(route.pathOf("source.tdb"), route.pathOf("copy.tdb"));
    EXPECT_EQ(fileSystem.faultsFired(), 1u);
    EXPECT_EQ(result.ok(), row.copied) << result.cause();
    EXPECT_EQ(route.readBytes("copy.tdb"), row.copied ? bytes : "old");
    EXPECT_EQ(route.list().size(), 2u);  // no temporary file is left
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SystemCallAnswer,
    ::testing::Values(StepRow{FileOperation::Read, Fault::Effect::Interrupt, true},
                      StepRow{FileOperation::Read, Fault::Effect::Short, true},
                      StepRow{FileOperation::Write, Fault::Effect::Interrupt, true},
                      StepRow{FileOperation::Write, Fault::Effect::Short, true},
                      // Taking nothing is no progress: the write must end, and not as written.
                      StepRow{FileOperation::Write, Fault::Effect::Nothing, false}));

struct TextRow {
    std::string bytes;
    std::string utf8;
};

class WholeText : public ::testing::TestWithParam<TextRow> {};

TEST_P(WholeText, ByteOrderMarkDecidesTheForm) {
    test::TempRoute route;
    route.writeBytes("ABC.tit", GetParam().bytes);
    FileSystem fileSystem;
    std::u16string text;
    ASSERT_TRUE(fileSystem.readText(route.pathOf("ABC.tit"), text).ok());
    EXPECT_EQ(TextCodec::toUtf8(text), GetParam().utf8);
}

// Longer than one read block (64 KiB), so that the mark and the rest come in apart.
std::string repeated(const std::string& unit, std::size_t count) {
    std::string result;
    for (std::size_t i = 0; i < count; ++i) {
        result += unit;
    }
    return result;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WholeText,
    ::testing::Values(TextRow{std::string("\xFE\xFF\0a\0\xE4", 6), "a\xC3\xA4"},
                      TextRow{"\xFE\xFF" + repeated(std::string("\x20\xAC", 2), 40'000),
                              repeated("\xE2\x82\xAC", 40'000)},
                      TextRow{"\xFF\xFE" + repeated(std::string("\xAC\x20", 2), 40'000) + "z",
                              repeated("\xE2\x82\xAC", 40'000)},
                      TextRow{"\xEF\xBB\xBF\xC3\xA4", "\xC3\xA4"}, TextRow{"\xFE", "\xC3\xBE"},
                      TextRow{"", ""}));

}  // namespace
}  // namespace veltrano
