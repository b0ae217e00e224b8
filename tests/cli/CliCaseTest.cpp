// veltrano-cli run as a user runs it, one case per file in tests/golden/cli/: the arguments, the
// route it runs on, and the exit status, stdout and stderr it must give. The clock's date and
// time in the frame lines, the route's path and the program's version are masked.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/Golden.h"
#include "tests/support/TempRoute.h"
#include "version.h"

namespace fs = std::filesystem;

namespace veltrano::test {
namespace {

std::string masked(const std::string& text, const std::string& route) {
    static const std::regex frame("(--- (START|END|ENDE) ).*? (-+)");
    const std::string named =
        replacedAll(replacedAll(text, route, "<route>"), version::kText, "<version>");
    return std::regex_replace(named, frame, "$1<time> $3");
}

// The words after "args"; <route> stands for the route folder, <empty> for an empty word.
std::vector<std::string> arguments(const std::vector<std::string>& head, const std::string& route) {
    std::vector<std::string> result;
    for (std::size_t i = 1; i < head.size(); ++i) {
        const std::string& word = head[i];
        result.push_back(word.rfind("<route>", 0) == 0 ? route + word.substr(7)
                         : word == "<empty>"           ? ""
                                                       : word);
    }
    return result;
}

// A word as the shell reads it back unchanged.
std::string quoted(const std::string& word) {
    return "'" + replacedAll(word, "'", "'\\''") + "'";
}

struct CliResult {
    int exitStatus;  // -1 when it ended by a signal
    std::string out, err;
};

// veltrano-cli started by the shell as a script starts it, in `folder` (empty: the test's own),
// reading nothing, its stdout and stderr going to files, so neither is a terminal.
CliResult runCli(const std::vector<std::string>& arguments, const std::string& folder) {
    const TempRoute outputs;
    std::string command =
        (folder.empty() ? "" : "cd " + quoted(folder) + " && ") + quoted(VELTRANO_CLI_PATH);
    for (const std::string& word : arguments) {
        command += " " + quoted(word);
    }
    command +=
        " < /dev/null > " + quoted(outputs.pathOf("out")) + " 2> " + quoted(outputs.pathOf("err"));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, outputs.readBytes("out"),
            outputs.readBytes("err")};
}

// Every entry of the route with the bytes of its files.
std::string routeBytes(const TempRoute& route) {
    std::string all = routeTree(route);
    for (const auto& entry : fs::recursive_directory_iterator(route.path())) {
        all += entry.is_regular_file()
                   ? route.readBytes(entry.path().lexically_relative(route.path()).string())
                   : "";
    }
    return all;
}

class CliCase : public ::testing::TestWithParam<std::string> {};

TEST_P(CliCase, ExitStatusAndOutputsOfTheCase) {
    const std::vector<GoldenSection> sections = caseSections(
        "cli/" + GetParam() + ".txt", {"demo-route", "usable-route", "args", "in-route", "exit",
                                       "stdout", "stderr", "stdout-line-ends", "unchanged"});
    TempRoute route;
    TempRoute outside;
    std::vector<std::string> words;
    std::string folder;
    for (const GoldenSection& section : sections) {
        const std::string& kind = section.head.at(0);
        if (kind == "demo-route") {
            fs::copy(VELTRANO_DEMO_ROUTE, route.path(), fs::copy_options::recursive);
        } else if (kind == "usable-route") {
            route.makeUsableRoute();
        } else if (kind == "args") {
            words = arguments(section.head, route.path());
        } else if (kind == "in-route") {
            folder = route.path();
        } else {
            buildRoute(route, outside, section);
        }
    }
    const std::string before = routeBytes(route);
    const CliResult result = runCli(words, folder);

    for (const GoldenSection& section : sections) {
        const std::string& kind = section.head.at(0);
        if (kind == "exit") {
            EXPECT_EQ(result.exitStatus, std::stoi(section.head.at(1)));
        } else if (kind == "stdout") {
            EXPECT_TRUE(sameLines(section.lines, masked(result.out, route.path()))) << "stdout";
        } else if (kind == "stderr") {
            EXPECT_TRUE(sameLines(section.lines, masked(result.err, route.path()))) << "stderr";
        } else if (kind == "stdout-line-ends") {
            const bool crlf = section.head.at(1) == "crlf";
            const auto lines = std::count(result.out.begin(), result.out.end(), '\n');
            const auto crlfs =
                static_cast<long>(std::count(result.out.begin(), result.out.end(), '\r'));
            EXPECT_EQ(crlfs, crlf ? lines : 0) << "line ends of stdout";
        } else if (kind == "unchanged") {
            EXPECT_EQ(routeBytes(route), before) << "not a byte of the route may change";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, CliCase, ::testing::ValuesIn(goldenCases("cli")), caseName);

}  // namespace
}  // namespace veltrano::test
