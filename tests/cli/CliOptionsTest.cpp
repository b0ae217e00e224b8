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

std::string described(const CliOptions& options) {
    std::ostringstream text;
    text << static_cast<int>(options.action) << (options.german ? " de" : " en") << " level "
         << options.fillLevel << (options.changeAll ? " change-all" : "")
         << (options.dryRun ? " dry-run" : "") << (options.newestFirst ? " newest-first" : "")
         << (options.readAllWorldFiles ? " all-forms" : "") << " [" << options.routeDir << "] ["
         << options.restoreStamp << "]";
    return text.str();
}

// Values after "=" or as the next word, both ends of the fill levels, "--" before a folder that
// looks like an option, "-" as a folder, and --help or --version ending the reading.
TEST(CliOptions, ReadsEveryAcceptedFormOfAnOption) {
    const std::pair<std::vector<std::string>, std::string> lines[] = {
        {{"--lang=de", "--fill-level=4", "--read-all-world-files", "--", "--x"},
         "0 de level 4 all-forms [--x] []"},
        {{"-", "--fill-level", "0", "--change-all", "--newest-first", "--dry-run", "--lang", "en"},
         "0 en level 0 change-all dry-run newest-first [-] []"},
        {{"--lang", "de", "--dry-run", "--newest-first", "--restore=261206-190722", "r"},
         "2 de level 0 dry-run newest-first [r] [261206-190722]"},
        {{"--list-backups", "--help", "--version", "--bogus", "a", "b"}, "3 en level 0 [] []"},
        {{"--version", "--help", "--lang", "fr"}, "4 en level 0 [] []"},
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
