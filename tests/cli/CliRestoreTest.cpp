// veltrano-cli undoes runs: an English run with the defaults, then a German one with
// --change-all --fill-level 3, undone one by one; and the answers to what cannot be undone.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/CliProgram.h"
#include "tests/support/Golden.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

// The route's path and the stamps of the moment in veltrano-cli's answers, as ROUTE and STAMP:
// the path as plain text (a Windows path is no regular expression), one separator for both
// systems.
std::string masked(const std::string& text, const TempRoute& route) {
    std::string named = replacedAll(text, route.path(), "ROUTE");
    std::replace(named.begin(), named.end(), '\\', '/');
    return std::regex_replace(named, std::regex("\\d{6}(-|_Uhrzeit-)\\d{6}"), "STAMP");
}

// Three runs undone one by one, the last restore undone by another, and two refusals.
TEST(CliRestore, PutsBackTheFilesOfBeforeEachRun) {
    TempRoute demo;
    std::filesystem::copy(VELTRANO_DEMO_ROUTE, demo.path(),
                          std::filesystem::copy_options::recursive);
    const auto files = [&] { return demo.readBytes("Demo.tit") + demo.readBytes("Demo.tdb"); };
    std::ostringstream out, err;
    const auto cli = [&](std::vector<std::string> arguments) {
        out.str("");
        err.str("");
        arguments.push_back(demo.path());
        return CliProgram(out, err, false).run(arguments);
    };
    const auto stamps = [&] {  // as --list-backups shows them, oldest first
        cli({"--list-backups"});
        std::istringstream list(out.str());
        std::vector<std::string> shown;
        for (std::string line; std::getline(list, line);) {
            shown.push_back(line.substr(0, 13));
        }
        return shown;
    };
    const std::vector<std::string> runs[] = {{},
                                             {"--lang", "de", "--change-all", "--fill-level", "3"},
                                             {"--fill-level", "1", "--change-all"}};
    std::vector<std::string> before{files()};
    for (const std::vector<std::string>& run : runs) {
        std::this_thread::sleep_for(std::chrono::seconds(1));  // a stamp of its own for each run
        ASSERT_EQ(cli(run), 0);
        before.push_back(files());
    }
    const std::vector<std::string> stamp = stamps();
    ASSERT_EQ(stamp.size(), 3u);
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string goldenOut, errStart;
        std::size_t files;
    } steps[] = {
        {{"--list-backups"}, 0, "list-backups.txt", "", 3},
        {{"--dry-run", "--restore", stamp[2]}, 0, "restore-dry-run.txt", "", 3},
        {{"--restore", stamp[2]}, 0, "restore-third.txt", "", 2},
        {{"--lang", "de", "--restore", stamp[1]}, 0, "restore-second-de.txt", "", 1},
        {{"--restore", stamp[0]}, 0, "restore-first.txt", "", 0},
        {{"--restore", "LAST"}, 0, "restore-last.txt", "", 1},
        {{"--lang", "de", "--list-backups"}, 0, "list-backups-de.txt", "", 1},
        {{"--restore", "261304-000000"}, 64, "", "veltrano-cli: --restore takes the stamp", 1},
        {{"--restore", "000101-000000"},
         2,
         "",
         "*** No run has the stamp STAMP; the nearest run is STAMP. Nothing was changed.\n",
         1},
    };
    for (auto step : steps) {
        if (step.arguments.back() == "LAST") {
            step.arguments.back() = stamps().back();
        }
        EXPECT_EQ(cli(step.arguments), step.status) << step.arguments[1] << err.str();
        EXPECT_TRUE(sameLines(step.goldenOut.empty() ? "" : readGolden("restore/" + step.goldenOut),
                              masked(out.str(), demo)))
            << step.goldenOut;
        EXPECT_EQ(masked(err.str(), demo).substr(0, step.errStart.size()), step.errStart)
            << step.arguments[1];
        EXPECT_TRUE(files() == before[step.files]) << step.arguments[1];
    }
}

}  // namespace
}  // namespace veltrano::test
