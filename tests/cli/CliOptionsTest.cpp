// Command lines veltrano-cli accepts, at their edges; the refused ones are rows of
// tests/golden/cli/refused/command-lines.txt.

#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace veltrano::test {
namespace {

using Action = CliOptions::Action;

// `line` read as the defaults with the changes `expected` makes to them.
void expectRead(const std::vector<std::string>& line, void (*expected)(CliOptions&)) {
    const auto fields = [](const CliOptions& o) {
        return std::tuple(o.action, o.german, o.fillLevel, o.changeAll, o.dryRun, o.newestFirst,
                          o.readAllWorldFiles, o.routeDir, o.restoreStamp);
    };
    CliOptions read;
    CliOptions wanted;
    expected(wanted);
    std::string error;
    EXPECT_TRUE(CliOptions::parse(line, read, error)) << error;
    EXPECT_EQ(fields(read), fields(wanted)) << line.front();
}

// Values after "=" or as the next word, both ends of the fill levels, "--" before a folder that
// looks like an option, "-" as a folder, and --help ending the reading.
TEST(CliOptions, ReadsEveryAcceptedFormOfAnOption) {
    expectRead({"--lang=de", "--fill-level=4", "--read-all-world-files", "--", "-x"},
               [](CliOptions& o) {
                   o.german = true;
                   o.fillLevel = 4;
                   o.readAllWorldFiles = true;
                   o.routeDir = "-x";
               });
    expectRead(
        {"-", "--fill-level", "0", "--change-all", "--newest-first", "--dry-run", "--lang", "en"},
        [](CliOptions& o) {
            o.changeAll = o.dryRun = o.newestFirst = true;
            o.routeDir = "-";
        });
    expectRead({"--lang", "de", "--dry-run", "--newest-first", "--restore=261206-190722", "r"},
               [](CliOptions& o) {
                   o.action = Action::Restore;
                   o.german = o.dryRun = o.newestFirst = true;
                   o.routeDir = "r";
                   o.restoreStamp = "261206-190722";
               });
    expectRead({"--list-backups", "--help", "--version", "--bogus", "a", "b"},
               [](CliOptions& o) { o.action = Action::ShowHelp; });
}

}  // namespace
}  // namespace veltrano::test
