#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/DesktopArguments.h"

namespace veltrano::test {
namespace {

// Only the exact options, each any number of times but the two not mixed; else the usage.
TEST(DesktopArguments, TakesOnlyTheExactOptionsAndNeverBoth) {
    using Words = std::vector<std::string>;
    const std::string readAll = "--read-all-world-files";
    const std::string undo = "--undo-last-run";
    EXPECT_FALSE(DesktopArguments::parse({}).value().runOptions.readAllWorldFiles);
    EXPECT_FALSE(DesktopArguments::parse({}).value().undoLastRun);
    EXPECT_TRUE(DesktopArguments::parse(Words(2, readAll)).value().runOptions.readAllWorldFiles);
    EXPECT_TRUE(DesktopArguments::parse({undo}).value().undoLastRun);
    EXPECT_FALSE(DesktopArguments::parse({undo}).value().runOptions.readAllWorldFiles);
    EXPECT_FALSE(DesktopArguments::parse({readAll, undo}));
    EXPECT_FALSE(DesktopArguments::parse({undo, readAll}));
    // Bytes that are no UTF-8 are one more wrong argument, not a failure of the parse.
    for (const char* wrong :
         {"", ".", "--read-all-world-file", "--read-all-world-filesx", "--READ-ALL-WORLD-FILES",
          "-read-all-world-files", "--read-all-world-files=1", " --read-all-world-files",
          "--undo-last-run=1", "--undo", "--dry-run", "--help", "C:\\Strecke\xc3\xa9",
          "\xff\xfe"}) {
        EXPECT_FALSE(DesktopArguments::parse({wrong}));
        EXPECT_FALSE(DesktopArguments::parse({readAll, wrong}));
        EXPECT_FALSE(DesktopArguments::parse({undo, wrong}));
    }

    // The usage names the program as typed on each system.
    EXPECT_EQ(DesktopArguments::usage(u"veltrano.exe")
                  .rfind(u"Usage: veltrano.exe [--read-all-world-files | --undo-last-run]\r\n", 0),
              0u);
}

}  // namespace
}  // namespace veltrano::test
