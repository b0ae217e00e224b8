// Command lines veltrano-cli accepts, at their edges; the refused ones are rows of
// tests/golden/cli/refused/command-lines.txt.

#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace veltrano::test {
namespace {

using Action = CliOptions::Action;

// The settings a caller reads, each named.
std::string described(const CliOptions& o) {
    std::ostringstream text;
    text << (o.german ? "de" : "en") << " fill " << o.fillLevel
         << (o.changeAll ? " change-all" : "") << (o.dryRun ? " dry-run" : "")
         << (o.newestFirst ? " newest-first" : "") << (o.readAllWorldFiles ? " all-forms" : "")
         << " [" << o.routeDir << "] [" << o.restoreStamp << "]";
    return text.str();
}

// Values after "=" or as the next word, both ends of the fill levels, "--" before a folder that
// looks like an option, "-" as a folder, and --help ending the reading.
TEST(CliOptions, ReadsEveryAcceptedFormOfAnOption) {
    const struct {
        std::vector<std::string> line;
        Action action;
        std::string settings;
    } rows[] = {
        {{"--lang=de", "--fill-level=4", "--read-all-world-files", "--", "-x"},
         Action::Run,
         "de fill 4 all-forms [-x] []"},
        {{"-", "--fill-level", "0", "--change-all", "--newest-first", "--dry-run", "--lang", "en"},
         Action::Run,
         "en fill 0 change-all dry-run newest-first [-] []"},
        {{"--lang", "de", "--dry-run", "--newest-first", "--restore=261206-190722", "r"},
         Action::Restore,
         "de fill 0 dry-run newest-first [r] [261206-190722]"},
        {{"--list-backups", "--help", "--version", "--bogus", "a", "b"},
         Action::ShowHelp,
         "en fill 0 [] []"},
    };
    for (const auto& row : rows) {
        CliOptions options;
        std::string error;
        EXPECT_TRUE(CliOptions::parse(row.line, options, error)) << error;
        EXPECT_EQ(options.action, row.action) << row.line.front();
        EXPECT_EQ(described(options), row.settings) << row.line.front();
    }
}

}  // namespace
}  // namespace veltrano::test
