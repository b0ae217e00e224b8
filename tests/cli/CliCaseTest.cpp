// veltrano-cli run as a user runs it, one case per file in tests/golden/cli/: the arguments, the
// route it runs on, and the exit status, stdout and stderr it must give, and what the route then
// holds. The clock's date and time in the frame lines and in the names of new backups, the route's
// path and the program's version are masked. The command lines it refuses are rows of
// tests/golden/cli/refused/command-lines.txt.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/Golden.h"
#include "tests/support/TempRoute.h"
#include "version.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

namespace veltrano::test {
namespace {

#ifdef _WIN32
// A word in quotes as cmd.exe passes it on and the C runtime reads it: no word of the tests holds
// a quote or ends in a backslash, which would need escapes.
std::string quoted(const std::string& word) {
    return "\"" + word + "\"";
}
const std::string kChangeFolder = "cd /d ", kNothing = "NUL";
#else
// A word as the shell reads it back unchanged.
std::string quoted(const std::string& word) {
    return "'" + replacedAll(word, "'", "'\\''") + "'";
}
const std::string kChangeFolder = "cd ", kNothing = "/dev/null";
#endif

struct CliResult {
    int exitStatus;  // -1 when it ended by a signal
    std::string out, err;
};

// The built veltrano-cli started as a script starts it, in `folder` (empty: the test's own),
// reading nothing, its stdout and stderr going to files, so neither is a terminal: through the
// shell, cmd.exe on Windows.
CliResult runCli(const std::vector<std::string>& arguments, const std::string& folder = "") {
    const TempRoute outputs;
    std::string command = (folder.empty() ? "" : kChangeFolder + quoted(folder) + " && ") +
                          quoted(fs::absolute(VELTRANO_CLI_PATH).string());
    for (const std::string& word : arguments) {
        command += " " + quoted(word);
    }
    command += " < " + kNothing + " > " + quoted(outputs.pathOf("out")) + " 2> " +
               quoted(outputs.pathOf("err"));
#ifdef _WIN32
    // cmd.exe takes off the first and the last quote of a line that starts with one.
    const int status = std::system(("\"" + command + "\"").c_str());
#else
    const int ended = std::system(command.c_str());
    const int status = WIFEXITED(ended) ? WEXITSTATUS(ended) : -1;
#endif
    return {status, outputs.readBytes("out"), outputs.readBytes("err")};
}

std::string masked(const std::string& text, const std::string& route) {
    static const std::regex frame("(--- (START|END|ENDE) ).*? (-+)");
    // One separator for both systems.
    const std::string named = replacedAll(
        replacedAll(replacedAll(text, route, "<route>"), version::kText, "<version>"), "\\", "/");
    return std::regex_replace(named, frame, "$1<time> $3");
}

// The words after "args" or "refused"; <route> stands for the route folder, <empty> for an
// empty word.
std::vector<std::string> arguments(const std::vector<std::string>& head, const std::string& route) {
    std::vector<std::string> result;
    for (std::size_t i = 1; i < head.size(); ++i) {
        result.push_back(head[i] == "<empty>" ? "" : replacedAll(head[i], "<route>", route));
    }
    return result;
}

// Every entry of the route with the bytes of its files.
std::string routeBytes(const TempRoute& route) {
    std::string all = routeTree(route);
    for (const std::string& entry : splitLines(all)) {
        all += fs::is_regular_file(route.pathOf(entry)) ? route.readBytes(entry) : "";
    }
    return all;
}

const std::initializer_list<std::string_view> kHeadings{
    "demo-route", "usable-route",     "args",   "in-route",  "exit",
    "stdout",     "stdout-line-ends", "stderr", "unchanged", "tree"};

class CliCase : public ::testing::TestWithParam<std::string> {};

TEST_P(CliCase, ExitStatusAndOutputsOfTheCase) {
    const std::vector<GoldenSection> sections =
        caseSections("cli/" + GetParam() + ".txt", kHeadings);
    TempRoute route, outside;
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
        } else if (kind == "stdout-line-ends") {  // every line ends in CR LF, or in LF alone
            const std::string& ends = section.head.at(1);
            ASSERT_TRUE(ends == "crlf" || ends == "lf") << "line ends are crlf or lf, not " << ends;
            EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\r'),
                      ends == "crlf" ? std::count(result.out.begin(), result.out.end(), '\n') : 0);
        } else if (kind == "stdout" || kind == "stderr") {
            const std::string& actual = kind == "stdout" ? result.out : result.err;
            EXPECT_TRUE(sameLines(section.lines, masked(actual, route.path()))) << kind;
        } else if (kind == "unchanged") {
            EXPECT_EQ(routeBytes(route), before) << "not a byte of the route may change";
        } else if (kind == "tree") {
            static const std::regex stamp("\\d{6}_Uhrzeit-\\d{6}");
            EXPECT_TRUE(
                sameLines(section.lines, std::regex_replace(routeTree(route), stamp, "<stamp>")))
                << "the route's entries, the stamps of backups masked";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, CliCase, ::testing::ValuesIn(goldenCases("cli")), caseName);

// A refused command line ends in status 64 with its fault and the usage on stderr, nothing on
// stdout, whatever else it holds.
TEST(CliRefusal, EveryFaultyCommandLineGetsItsFaultAndTheUsage) {
    const std::vector<GoldenSection> rows =
        caseSections("cli/refused/command-lines.txt", {"usage", "refused"});
    for (std::size_t row = 1; row < rows.size(); ++row) {
        const CliResult result = runCli(arguments(rows[row].head, ""));
        EXPECT_EQ(result.exitStatus, 64) << rows[row].lines;
        EXPECT_EQ(result.out, "") << rows[row].lines;
        EXPECT_TRUE(sameLines(rows[row].lines + rows[0].lines, result.err)) << rows[row].lines;
    }
}

}  // namespace
}  // namespace veltrano::test
