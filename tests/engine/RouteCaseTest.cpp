// Whole correction runs, one per file in tests/golden/runs/: the case builds the route, sets the
// options, and holds the protocol (oldest line first) and the files the run must leave. Every
// case also checks the backups: each copy is its track file's old bytes, and a track file that
// changed has one.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/CorrectionRun.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/FixedClock.h"
#include "tests/support/Golden.h"
#include "tests/support/TempRoute.h"

namespace fs = std::filesystem;

namespace veltrano::test {
namespace {

const std::string kRouteId = "TESTROUTE";

struct CaseRun {
    TempRoute route;
    TempRoute outside;
    RunState state;
    FaultyFileSystem fileSystem;
    FixedClock clock;
    FakeRunHost host{state, fileSystem};
    RunOptions options;
    int runs = 1;
    std::optional<std::u16string> box;
    std::string outcome = "completed";
    std::map<std::string, std::string> oldBytes;
};

std::string oldestFirst(const std::u16string& protocol) {
    const std::string text = TextCodec::toUtf8(protocol);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    std::string result;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        result += *line + "\n";
    }
    return result;
}

FileOperation operationNamed(const std::string& name) {
    for (int i = 0; i <= static_cast<int>(FileOperation::Remove); ++i) {
        if (name == operationName(static_cast<FileOperation>(i))) {
            return static_cast<FileOperation>(i);
        }
    }
    throw std::invalid_argument("no file operation " + name);
}

void setOption(CaseRun& run, const std::string& word) {
    const std::string key = word.substr(0, word.find('='));
    const std::string value =
        word.find('=') == std::string::npos ? "" : word.substr(key.size() + 1);
    if (key == "de") {
        run.state.gstrLanguage = "deutsch";
        run.state.gstrSaveFolder = u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur";
    } else if (key == "fill") {
        run.state.gvarFuellstand = std::stoi(value);
    } else if (key == "change-all") {
        run.host.changeAll = 1;
    } else if (key == "dry-run") {
        run.options.dryRun = true;
    } else if (key == "read-all") {
        run.options.readAllWorldFiles = true;
    } else if (key == "runs") {
        run.runs = std::stoi(value);
    } else if (key == "outcome") {
        run.outcome = value;
    } else {
        throw std::invalid_argument("no option " + key);
    }
}

// Builds the route and sets the run up from every section before the expectations.
void prepare(CaseRun& run, const GoldenSection& section) {
    const std::vector<std::string>& head = section.head;
    const std::string& kind = head.at(0);
    if (kind == "options") {
        for (std::size_t i = 1; i < head.size(); ++i) {
            setOption(run, head[i]);
        }
    } else if (kind == "earlier") {
        run.state.gstrProtokoll.assign(TextCodec::fromUtf8(section.body));
    } else if (kind == "box") {
        // What the box holds when the last run starts; the section's last line end is not part.
        run.box = TextCodec::fromUtf8(section.body.substr(0, section.body.size() - 2));
    } else if (kind == "fault") {
        run.fileSystem.inject({std::stoul(head.at(2)), {operationNamed(head.at(1))}, {}, EIO});
    } else {
        buildRoute(run.route, run.outside, section);
    }
}

// In the order of RunOutcome.
const char* const kOutcomeNames[] = {"completed", "file-error", "unusable"};

// Every backup copy holds the old bytes of its track file; a changed track file has one.
void expectBackupsComplete(const CaseRun& run) {
    const std::string folder = TextCodec::toUtf8(run.state.gstrSaveFolder);
    std::map<std::string, int> copies;
    if (fs::is_directory(run.route.pathOf(folder))) {
        for (const std::string& name : run.route.list(folder)) {
            const std::string extension = name.substr(name.size() - 4);
            if (run.oldBytes.count(extension) != 0) {
                EXPECT_EQ(run.route.readBytes(folder + "/" + name), run.oldBytes.at(extension))
                    << name;
                ++copies[extension];
            }
        }
    }
    for (const auto& [extension, bytes] : run.oldBytes) {
        if (run.route.readBytes(kRouteId + extension) != bytes) {
            EXPECT_GT(copies[extension], 0) << extension << " changed without a backup";
        }
    }
}

class RouteCase : public ::testing::TestWithParam<std::string> {};

TEST_P(RouteCase, RunLeavesTheProtocolAndFilesOfTheCase) {
    const std::vector<GoldenSection> sections = caseSections(
        "runs/" + GetParam() + ".txt", {"options", "earlier", "box", "fault", "posix-reason",
                                        "protocol", "expect-utf16", "expect-same", "list"});
#ifdef _WIN32
    // Windows makes symbolic links only with rights a test does not have, and words some of the
    // system's reasons otherwise.
    for (const GoldenSection& section : sections) {
        if (section.head.at(0) == "link-outside" || section.head.at(0) == "posix-reason") {
            GTEST_SKIP() << "needs a POSIX system";
        }
    }
#endif
    CaseRun run;
    run.route.makeUsableRoute(kRouteId);
    run.state.gstrLanguage = "english";
    run.state.gstrSaveFolder = u"_Saved_tdb_und_tit_files_before_pickup_correction";
    run.state.gstrRoutePath = run.route.path();
    for (const GoldenSection& section : sections) {
        prepare(run, section);
    }
    for (const char* extension : {".tdb", ".tit"}) {
        if (fs::is_regular_file(run.route.pathOf(kRouteId + extension))) {
            run.oldBytes[extension] = run.route.readBytes(kRouteId + extension);
        }
    }

    RunResult result;
    for (int i = 0; i < run.runs; ++i) {
        if (run.box && i + 1 == run.runs) {
            run.host.boxText = *run.box;
        }
        result = CorrectionRun(run.state, run.host, run.fileSystem, run.clock, run.options).run();
    }

    EXPECT_EQ(kOutcomeNames[static_cast<int>(result.outcome)], run.outcome);
    // One separator for both systems after the route folder.
    const std::string protocol = replacedAll(
        replacedAll(oldestFirst(run.state.gstrProtokoll.text()), run.route.path(), "<route>"),
        "<route>\\", "<route>/");
    for (const GoldenSection& section : sections) {
        const std::string& kind = section.head.at(0);
        const std::string name = section.head.size() > 1 ? section.head.back() : "";
        if (kind == "protocol") {
            EXPECT_TRUE(sameLines(section.lines, protocol)) << "protocol";
        } else if (kind == "expect-utf16") {
            EXPECT_TRUE(sameLines(section.lines, run.route.readUtf16(name))) << name;
        } else if (kind == "expect-same") {
            EXPECT_EQ(run.route.readBytes(name), run.oldBytes.at(name.substr(name.size() - 4)));
        } else if (kind == "list") {
            EXPECT_TRUE(sameLines(section.lines, routeTree(run.route))) << "route folder";
        }
    }
    expectBackupsComplete(run);
    if (result.outcome != RunOutcome::RouteFolderUnusable) {
        // The clock stands still, so the run took no time.
        const std::string duration = TextCodec::toUtf8(run.host.statusLine);
        EXPECT_EQ(duration.substr(duration.find(' ')), " 0.00 s");
    }
}

// A heading the runner does not read (a misspelt "@@ protocl") fails the case, naming it.
TEST(RouteCaseFile, HeadingTheRunnerDoesNotReadFailsNamingIt) {
    try {
        caseSections("runs/en-dry-run.txt", {"options", "list", "protocol"});
        ADD_FAILURE() << "no heading was refused";
    } catch (const std::invalid_argument& error) {
        EXPECT_NE(std::string(error.what()).find("\"@@ expect-same\""), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, RouteCase, ::testing::ValuesIn(goldenCases("runs")), caseName);

}  // namespace
}  // namespace veltrano::test
