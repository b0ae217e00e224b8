// Whole correction runs, one per file in tests/golden/runs/ (or one per "@@ row" in it). A case
// starts from the route in tests/golden/base-route.txt, changes what it needs, sets the options,
// and holds the protocol (oldest line first), the lines the run changes in each track file and,
// if it matters, the files the route folder holds afterwards. A track file the case does not
// name keeps every byte; one it names is compared whole, byte-order mark and line ends included.
// Every case also checks the backups: each copy is its track file's old bytes, and a track file
// that changed has one.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
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
    std::map<std::string, std::string>
        shorthands;  // a line of a protocol, and the lines it stands for
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

// Windows words the system's reasons its own way: there, the reason after the first ": " of a
// "***" line, up to a full stop, is left out on both sides.
std::string withoutReasons(const std::string& protocol) {
#ifdef _WIN32
    return std::regex_replace(protocol, std::regex(R"((\*\*\* [^\n]*?: )[^.\n]*)"), "$1<reason>");
#else
    return protocol;
#endif
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
    const std::string value = key == word ? "" : word.substr(key.size() + 1);
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
    } else if (key != "en") {
        throw std::invalid_argument("unknown option \"" + word + "\"");
    }
}

// A row's option words ("plain" for none), as its test name ends.
std::string rowName(const std::vector<std::string>& head) {
    std::string name;
    for (std::size_t i = 1; i < head.size(); ++i) {
        name += (i > 1 ? "_" : "") + head[i];
    }
    return name.empty() ? "plain" : name;
}

const std::initializer_list<std::string_view> kHeadings{
    "options",        "row",          "earlier", "box", "fault", "protocol",
    "expect-changed", "expect-bytes", "list"};

// The case's sections outside any row, and those of the row named `row`.
std::vector<GoldenSection> sectionsOf(const std::string& file, const std::string& row) {
    std::vector<GoldenSection> chosen;
    std::optional<std::string> current;
    for (GoldenSection& section : caseSections("runs/" + file + ".txt", kHeadings)) {
        if (section.head.at(0) == "row") {
            current = rowName(section.head);
        }
        if (!current || current == row) {
            chosen.push_back(std::move(section));
        }
    }
    return chosen;
}

// Builds the route and sets the run up from every section before the expectations.
void prepare(CaseRun& run, GoldenSection section) {
    const std::string& kind = section.head.at(0);
    const std::string backups = TextCodec::toUtf8(run.state.gstrSaveFolder);
    std::ranges::replace(section.head, std::string("<backups>"), backups);
    if (kind == "shorthand") {
        run.shorthands[section.head.at(1)] = section.lines;
    } else if (kind == "earlier") {
        run.state.gstrProtokoll.assign(TextCodec::fromUtf8(section.body));
    } else if (kind == "box") {
        // What the box holds when the last run starts; the section's last line end is not part.
        run.box = TextCodec::fromUtf8(section.body.substr(0, section.body.size() - 2));
    } else if (kind == "fault") {
        run.fileSystem.inject(
            {std::stoul(section.head.at(2)), {operationNamed(section.head.at(1))}, {}, EIO});
    } else {
        buildRoute(run.route, run.outside, section);
    }
}

// In the order of RunOutcome.
const char* const kOutcomeNames[] = {"completed", "file-error", "unusable"};

// Every backup copy holds the old bytes of its track file; a changed track file has one.
void expectBackupsComplete(const CaseRun& run) {
    const std::string folder = TextCodec::toUtf8(run.state.gstrSaveFolder);
    std::map<std::string, std::string> uncopied = run.oldBytes;
    for (const std::string& name : fs::is_directory(run.route.pathOf(folder))
                                       ? run.route.list(folder)
                                       : std::vector<std::string>{}) {
        const std::string extension = name.substr(name.size() - 4);
        if (run.oldBytes.count(extension) != 0) {
            EXPECT_EQ(run.route.readBytes(folder + "/" + name), run.oldBytes.at(extension)) << name;
            uncopied.erase(extension);
        }
    }
    for (const auto& [extension, bytes] : uncopied) {
        EXPECT_EQ(run.route.readBytes(kRouteId + extension), bytes) << "changed without a backup";
    }
}

// "expect-changed": the track file holds its old text with the case's edits, as UTF-16LE with
// byte-order mark; "expect-bytes": it holds the section's bytes (odd bytes, lone surrogates, which
// no text holds), the last line end left out.
void expectChanged(const CaseRun& run, const GoldenSection& section, const std::string& name) {
    const auto textOf = [](const std::string& bytes) {
        return TextCodec::toUtf8(TextCodec::decodeWholeFile(bytes));
    };
    const std::string bytes = run.route.readBytes(kRouteId + name);
    if (section.head.at(0) == "expect-bytes") {
        EXPECT_EQ(bytes, section.body.substr(0, section.body.size() - 2)) << name;
        return;
    }
    const std::string expected = edited(textOf(run.oldBytes.at(name)), section.body);
    if (bytes != TextCodec::encodeUtf16LeWithBom(TextCodec::fromUtf8(expected))) {
        const ::testing::AssertionResult sameText = sameLines(expected, textOf(bytes));
        EXPECT_TRUE(sameText) << name;
        EXPECT_FALSE(sameText) << name << ": the lines agree, but not UTF-16LE with its mark and "
                               << "the old line ends";
    }
}

// Each case file, or each of its rows as "<file>:<row>"; a file that does not read fails as one.
std::vector<std::string> runCases() {
    std::vector<std::string> cases;
    for (const std::string& file : goldenCases("runs")) {
        const std::size_t first = cases.size();
        try {
            for (const GoldenSection& section : caseSections("runs/" + file + ".txt", kHeadings)) {
                if (section.head.at(0) == "row") {
                    cases.push_back(file + ":" + rowName(section.head));
                }
            }
        } catch (const std::invalid_argument&) {
        }
        if (cases.size() == first) {
            cases.push_back(file);
        }
    }
    return cases;
}

class RouteCase : public ::testing::TestWithParam<std::string> {};

TEST_P(RouteCase, RunLeavesTheProtocolAndFilesOfTheCase) {
    const std::string file = GetParam().substr(0, GetParam().find(':'));
    std::vector<GoldenSection> sections = caseSections("base-route.txt", {"shorthand"});
    std::ranges::move(sectionsOf(file, GetParam().substr(file.size() + (file != GetParam()))),
                      std::back_inserter(sections));
    CaseRun run;
    run.route.makeUsableRoute(kRouteId);
    run.state.gstrLanguage = "english";
    run.state.gstrSaveFolder = u"_Saved_tdb_und_tit_files_before_pickup_correction";
    run.state.gstrRoutePath = run.route.path();
    for (const GoldenSection& section : sections) {
        const std::string& kind = section.head.at(0);
#ifdef _WIN32
        if (kind == "link-outside") {
            // Windows makes symbolic links only with rights a test does not have.
            GTEST_SKIP() << "needs symbolic links";
        }
#endif
        for (std::size_t i = 1; (kind == "options" || kind == "row") && i < section.head.size();
             ++i) {
            setOption(run, section.head[i]);
        }
    }
    for (const GoldenSection& section : sections) {
        prepare(run, section);
    }
    // Named as the case names them: a system that ignores letter case finds other names too.
    const std::vector<std::string> names = run.route.list();
    for (const char* extension : {".tdb", ".tit"}) {
        if (std::ranges::count(names, kRouteId + extension) != 0 &&
            fs::is_regular_file(run.route.pathOf(kRouteId + extension))) {
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
    const std::string backups = TextCodec::toUtf8(run.state.gstrSaveFolder);
    std::map<std::string, std::string> unchanged = run.oldBytes;
    for (const GoldenSection& section : sections) {
        const std::string& kind = section.head.at(0);
        if (kind == "protocol") {
            std::string expected;
            for (const std::string& line : splitLines(section.lines)) {
                expected += run.shorthands.count(line) != 0 ? run.shorthands.at(line) : line + "\n";
            }
            EXPECT_TRUE(sameLines(withoutReasons(expected), withoutReasons(protocol)))
                << "protocol";
        } else if (kind.starts_with("expect-")) {
            for (std::size_t i = 1; i < section.head.size(); ++i) {
                expectChanged(run, section, section.head[i].substr(kRouteId.size()));
                unchanged.erase(section.head[i].substr(kRouteId.size()));
            }
        } else if (kind == "list") {
            EXPECT_TRUE(
                sameLines(replacedAll(section.lines, "<backups>", backups), routeTree(run.route)))
                << "route folder";
        }
    }
    for (const auto& [extension, bytes] : unchanged) {
        EXPECT_EQ(run.route.readBytes(kRouteId + extension), bytes) << extension << " changed";
    }
    expectBackupsComplete(run);
    if (result.outcome != RunOutcome::RouteFolderUnusable) {
        // The clock stands still, so the run took no time.
        const std::string duration = TextCodec::toUtf8(run.host.statusLine);
        EXPECT_EQ(duration.substr(duration.find(' ')), " 0.00 s");
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, RouteCase, ::testing::ValuesIn(runCases()), caseName);

}  // namespace
}  // namespace veltrano::test
