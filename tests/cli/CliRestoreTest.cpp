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

struct Answer {
    int status;
    std::string out, err;
};

// The demo route in a temporary folder; its path and the stamps of the moment in the CLI's
// answers become ROUTE and STAMP.
struct Demo {
    TempRoute folder;
    Demo() {
        std::filesystem::copy(VELTRANO_DEMO_ROUTE, folder.path(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }
    std::string files() const {
        return folder.readBytes("Demo.tit") + folder.readBytes("Demo.tdb");
    }
    Answer cli(std::vector<std::string> arguments) const {
        std::ostringstream out, err;
        arguments.push_back(folder.path());
        const int status = CliProgram(out, err, false).run(arguments);
        return {status, out.str(), err.str()};
    }
    std::string masked(const std::string& text) const {
        // The path as plain text (a Windows path is no regular expression), and one separator
        // for both systems.
        std::string named = replacedAll(text, folder.path(), "ROUTE");
        std::replace(named.begin(), named.end(), '\\', '/');
        return std::regex_replace(named, std::regex("\\d{6}(-|_Uhrzeit-)\\d{6}"), "STAMP");
    }
    // The stamps --list-backups shows, oldest first.
    std::vector<std::string> stamps() const {
        std::istringstream list(cli({"--list-backups"}).out);
        std::vector<std::string> stamps;
        for (std::string line; std::getline(list, line);) {
            stamps.push_back(line.substr(0, 13));
        }
        return stamps;
    }
};

// Three runs undone one by one, the last restore undone by another, and two refusals.
TEST(CliRestore, PutsBackTheFilesOfBeforeEachRun) {
    Demo demo;
    const std::vector<std::string> runs[] = {{},
                                             {"--lang", "de", "--change-all", "--fill-level", "3"},
                                             {"--fill-level", "1", "--change-all"}};
    std::vector<std::string> files{demo.files()};
    for (const std::vector<std::string>& run : runs) {
        std::this_thread::sleep_for(std::chrono::seconds(1));  // a stamp of its own for each run
        ASSERT_EQ(demo.cli(run).status, 0);
        files.push_back(demo.files());
    }
    const std::vector<std::string> stamp = demo.stamps();
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
            step.arguments.back() = demo.stamps().back();
        }
        const Answer answer = demo.cli(step.arguments);
        EXPECT_EQ(answer.status, step.status) << step.arguments[1] << answer.err;
        EXPECT_TRUE(sameLines(step.goldenOut.empty() ? "" : readGolden("restore/" + step.goldenOut),
                              demo.masked(answer.out)))
            << step.goldenOut;
        EXPECT_EQ(demo.masked(answer.err).substr(0, step.errStart.size()), step.errStart)
            << step.arguments[1];
        EXPECT_TRUE(demo.files() == files[step.files]) << step.arguments[1];
    }
}

}  // namespace
}  // namespace veltrano::test
