// Command lines veltrano-cli accepts, at their edges; the refused ones are cases in
// tests/golden/cli/.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliOptions.h"

namespace veltrano::test {
namespace {

// Action, German, fill level, change-all, dry run, newest first, all forms; [folder] [stamp].
std::string described(const CliOptions& o) {
    std::ostringstream text;
    text << static_cast<int>(o.action) << o.german << o.fillLevel << o.changeAll << o.dryRun
         << o.newestFirst << o.readAllWorldFiles << " [" << o.routeDir << "] [" << o.restoreStamp
         << "]";
    return text.str();
}

// Values after "=" or as the next word, both ends of the fill levels, "--" before a folder that
// looks like an option, "-" as a folder, and --help ending the reading.
TEST(CliOptions, ReadsEveryAcceptedFormOfAnOption) {
    const std::pair<std::vector<std::string>, std::string> lines[] = {
        {{"--lang=de", "--fill-level=4", "--read-all-world-files", "--", "-x"}, "0140001 [-x] []"},
        {{"-", "--fill-level", "0", "--change-all", "--newest-first", "--dry-run", "--lang", "en"},
         "0001110 [-] []"},
        {{"--lang", "de", "--dry-run", "--newest-first", "--restore=261206-190722", "r"},
         "2100110 [r] [261206-190722]"},
        {{"--list-backups", "--help", "--version", "--bogus", "a", "b"}, "3000000 [] []"},
    };
    for (const auto& line : lines) {
        CliOptions options;
        std::string error;
        EXPECT_TRUE(CliOptions::parse(line.first, options, error)) << error;
        EXPECT_EQ(described(options), line.second) << line.first.front();
    }
}

}  // namespace
}  // namespace veltrano::test
