#include <gtest/gtest.h>

#include "cli/ProtocolOutput.h"

namespace veltrano {
namespace {

TEST(ProtocolOutputTest, OldestFirstReversesTheLinesAndEndsEachWithLf) {
    // A final CR LF ends the last line; it does not start an empty one.
    EXPECT_EQ(ProtocolOutput::oldestFirst(u"C\r\n\r\nB\r\nA\r\n"), "A\nB\n\nC\n");
    // Without the final CR LF the last piece is still a line.
    EXPECT_EQ(ProtocolOutput::oldestFirst(u"B\r\nA"), "A\nB\n");
    // Empty lines at both ends are kept, as the run's block starts and ends with them.
    EXPECT_EQ(ProtocolOutput::oldestFirst(u"\r\n==\r\n\r\n"), "\n==\n\n");
    EXPECT_EQ(ProtocolOutput::oldestFirst(u"\r\n"), "\n");
    EXPECT_EQ(ProtocolOutput::oldestFirst(u""), "");
}

TEST(ProtocolOutputTest, OnlyCrLfSplitsALine) {
    EXPECT_EQ(ProtocolOutput::oldestFirst(u"x\ry\r\nu\nv\r\n"), "u\nv\nx\ry\n");
}

TEST(ProtocolOutputTest, TextIsUtf8) {
    EXPECT_EQ(ProtocolOutput::oldestFirst(u"fertig!\r\n\u00C4ndere Pickups\r\n"),
              "\xC3\x84ndere Pickups\nfertig!\n");
    EXPECT_EQ(ProtocolOutput::newestFirst(u"fertig!\r\n\r\n\u00C4\r\n"),
              "fertig!\r\n\r\n\xC3\x84\r\n");
}

}  // namespace
}  // namespace veltrano
