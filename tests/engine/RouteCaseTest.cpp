// Whole correction runs, one per file in tests/golden/runs/ (or one per "@@ row" in it). A case
// starts from the route in tests/golden/base-route.txt, changes what it needs, sets the options,
// and holds the protocol (oldest line first), the lines the run changes in each track file and,
// if it matters, the files the route folder holds afterwards. A track file the case does not
// name keeps every byte; one it names is compared whole, byte-order mark and line ends included.
// A case with the option "restore=<stamp>" undoes that run instead of running; one with "sweep"
// runs again with each file call failing in turn.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/CorrectionRun.h"
#include "engine/TrackFileRestore.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/FixedClock.h"
#include "tests/support/Golden.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

const std::string kRouteId = "TESTROUTE";
// In the order of RunOutcome and of RestoreOutcome.
const char* const kOutcomeNames[] = {"completed", "file-error", "unusable"};
const char* const kRestoreOutcomeNames[] = {"completed", "file-error", "no-such-run"};
const std::initializer_list<std::string_view> kHeadings{
    "options",        "row",          "earlier", "box",      "fault", "protocol",
    "expect-changed", "expect-bytes", "list",    "shorthand"};

// How a run or a restore ended: its outcome's name and its "***" lines.
struct Ending {
    std::string outcome;
    std::vector<std::u16string> problems;
};

struct CaseRun {
    explicit CaseRun(const std::vector<GoldenSection>& sections);
    Ending run();
    // The track files and the backup copies, by extension and by name.
    std::map<std::string, std::string> trackFiles() const;
    std::map<std::string, std::string> backups() const;

    TempRoute route;
    TempRoute outside;
    RunState state;
    FaultyFileSystem fileSystem;
    FixedClock clock;
    FakeRunHost host{state, fileSystem};
    RunOptions options;
    int runs = 1;
    bool sweep = false;
    std::size_t faults = 0;              // the case's, each of which must hit a call
    std::optional<std::string> restore;  // the stamp of the run to undo instead of a run
    std::optional<std::u16string> box;
    std::string outcome = "completed";
    std::vector<std::string> entries;               // of the route folder, before the run
    std::map<std::string, std::string> oldCopies;   // the backups before the run
    std::map<std::string, std::string> oldBytes;    // of each track file, by its extension
    std::map<std::string, std::string> shorthands;  // a line of a protocol, and the lines it means
};

// The protocol keeps its newest line first; its lines end in CR LF, and a lone LF is text.
std::string oldestFirst(const std::u16string& protocol) {
    const std::string text = TextCodec::toUtf8(protocol);
    std::string result;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        result.insert(0, text.substr(start, end - start) + "\n");
        start = end + 2;
    }
    return result;
}

// Windows words the system's reasons its own way and separates folders with "\": there, the
// reason after the first ": " of a "***" line, up to a full stop, is left out on both sides, and
// each "\" (no case expects one) is read as "/".
std::string systemNeutral(std::string protocol) {
#ifdef _WIN32
    std::ranges::replace(protocol, '\\', '/');
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
    const std::string value = word.substr(std::min(word.size(), key.size() + 1));
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
    } else if (key == "sweep") {
        run.sweep = true;
    } else if (key == "restore") {
        run.restore = value;
    } else if (key != "en" && key != "as") {  // "as=<name>" only names a row
        throw std::invalid_argument("unknown option \"" + word + "\"");
    }
}

// A row's name: its file, ":" and its option words ("plain" for none), as its test name ends.
std::string rowName(const std::string& file, const std::vector<std::string>& head) {
    std::string words;
    for (std::size_t i = 1; i < head.size(); ++i) {
        words += (i > 1 ? "_" : "") + head[i];
    }
    return file + ":" + (words.empty() ? "plain" : words);
}

// The base route's sections, then the case's outside any row and those of its own row.
std::vector<GoldenSection> sectionsOf(const std::string& name) {
    const std::string file = name.substr(0, name.find(':'));
    std::vector<GoldenSection> chosen = caseSections("base-route.txt", kHeadings);
    std::string row = file;
    for (GoldenSection& section : caseSections("runs/" + file + ".txt", kHeadings)) {
        row = section.head.at(0) == "row" ? rowName(file, section.head) : row;
        if (row == file || row == name) {
            chosen.push_back(std::move(section));
        }
    }
    return chosen;
}

// Each case file, or each of its rows; a file that does not read fails as one case.
std::vector<std::string> runCases() {
    std::vector<std::string> cases;
    for (const std::string& file : goldenCases("runs")) {
        const std::size_t first = cases.size();
        try {
            for (const GoldenSection& section : caseSections("runs/" + file + ".txt", kHeadings)) {
                if (section.head.at(0) == "row") {
                    cases.push_back(rowName(file, section.head));
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

// Builds the route and sets the run up from a section before the expectations.
void prepare(CaseRun& run, GoldenSection section) {
    const std::string& kind = section.head.at(0);
    std::ranges::replace(section.head, std::string("<backups>"),
                         TextCodec::toUtf8(run.state.gstrSaveFolder));
    if (kind == "shorthand") {
        run.shorthands[section.head.at(1)] = section.lines;
    } else if (kind == "earlier") {
        run.state.gstrProtokoll.assign(TextCodec::fromUtf8(section.body));
    } else if (kind == "box") {
        // What the box holds when the last run starts; the section's last line end is not part.
        run.box = TextCodec::fromUtf8(section.body.substr(0, section.body.size() - 2));
    } else if (kind == "fault") {
        // "fault <operation> <n> [<what the system call under a read or write meets>]"
        const std::vector<std::string> effects = {"fail", "interrupt", "short", "nothing"};
        const auto effect =
            std::ranges::find(effects, section.head.size() > 3 ? section.head[3] : "fail");
        if (effect == effects.end()) {
            throw std::invalid_argument("no effect " + section.head[3]);
        }
        run.fileSystem.inject({std::stoul(section.head.at(2)),
                               {operationNamed(section.head.at(1))},
                               static_cast<Fault::Effect>(effect - effects.begin()),
                               EIO});
        ++run.faults;
    } else if (kind == "options" || kind == "row") {
        std::ranges::for_each(section.head.begin() + 1, section.head.end(),
                              [&run](const std::string& word) { setOption(run, word); });
    } else {
        buildRoute(run.route, run.outside, section);
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
    const std::string expected = section.head.at(0) == "expect-bytes"
                                     ? section.body.substr(0, section.body.size() - 2)
                                     : edited(textOf(run.oldBytes.at(name)), section.body);
    if (section.head.at(0) == "expect-bytes") {
        EXPECT_EQ(bytes, expected) << name;
    } else if (bytes != TextCodec::encodeUtf16LeWithBom(TextCodec::fromUtf8(expected))) {
        const ::testing::AssertionResult sameText = sameLines(expected, textOf(bytes));
        EXPECT_TRUE(sameText) << name;
        EXPECT_FALSE(sameText) << name << ": the lines agree, but not UTF-16LE with its mark and "
                               << "the old line ends";
    }
}

CaseRun::CaseRun(const std::vector<GoldenSection>& sections) {
    route.makeUsableRoute(kRouteId);
    state.gstrLanguage = "english";
    state.gstrSaveFolder = u"_Saved_tdb_und_tit_files_before_pickup_correction";
    state.gstrRoutePath = route.path();
    // Options first: the language names the backup folder that other sections may name.
    for (const bool first : {true, false}) {
        for (const GoldenSection& section : sections) {
            const std::string& kind = section.head.at(0);
            if (first == (kind == "options" || kind == "row")) {
                prepare(*this, section);
            }
        }
    }
    // Named as the case names them: a system that ignores letter case finds other names too.
    for (const std::string& name : route.list()) {
        if ((name == kRouteId + ".tdb" || name == kRouteId + ".tit") &&
            std::filesystem::is_regular_file(route.pathOf(name))) {
            oldBytes[name.substr(kRouteId.size())] = route.readBytes(name);
        }
    }
    entries = route.list();
    oldCopies = backups();
}

Ending CaseRun::run() {
    if (restore) {
        // The folder check comes before a restore, as the CLI makes it, on the disk unfailed.
        FileSystem plain;
        EXPECT_TRUE(FakeRunHost(state, plain).checkRouteFolderSilently());
        const RestoreResult result =
            TrackFileRestore(state, host, fileSystem, clock, options.dryRun).restore(*restore);
        return {kRestoreOutcomeNames[static_cast<int>(result.outcome)], result.problems};
    }
    RunResult result;
    for (int i = 0; i < runs; ++i) {
        if (box && i + 1 == runs) {
            host.boxText = *box;
        }
        result = CorrectionRun(state, host, fileSystem, clock, options).run();
    }
    return {kOutcomeNames[static_cast<int>(result.outcome)], result.problems};
}

std::map<std::string, std::string> CaseRun::trackFiles() const {
    std::map<std::string, std::string> files;
    for (const auto& [extension, bytes] : oldBytes) {
        files[extension] = route.readBytes(kRouteId + extension);
    }
    return files;
}

std::map<std::string, std::string> CaseRun::backups() const {
    const std::string folder = TextCodec::toUtf8(state.gstrSaveFolder);
    std::map<std::string, std::string> copies;
    for (const std::string& name : std::filesystem::is_directory(route.pathOf(folder))
                                       ? route.list(folder)
                                       : std::vector<std::string>{}) {
        copies[name] = route.readBytes(folder + "/" + name);
    }
    return copies;
}

// Each copy the run added to the backup folder of a track file the case names holds that file's
// old bytes; returns how many it added.
std::size_t expectNewCopiesWhole(const CaseRun& run) {
    std::size_t added = 0;
    for (const auto& [name, bytes] : run.backups()) {
        const auto old = run.oldBytes.find(name.substr(name.size() - 4));
        if (run.oldCopies.count(name) == 0 && old != run.oldBytes.end()) {
            EXPECT_EQ(bytes, old->second) << "partial " << name;
            ++added;
        }
    }
    return added;
}

// Whatever call fails, the track files are both old or both as the case leaves them, each backup
// copy holds its file's old bytes (and both are there once the files changed), and the run ends
// in order: a file error with a line that names it, only an unusable route folder ending the
// program instead of the run.
void expectWholeWhateverFails(const std::vector<GoldenSection>& sections,
                              const std::map<std::string, std::string>& changed) {
    const std::size_t calls = forEachFailingCall(EIO, [&sections, &changed](const Fault& fault) {
        CaseRun run(sections);
        run.fileSystem.inject(fault);
        const Ending ending = run.run();
        const std::map<std::string, std::string> files = run.trackFiles();
        EXPECT_TRUE(files == run.oldBytes || files == changed)
            << "a track file half-written or alone";
        EXPECT_TRUE(expectNewCopiesWhole(run) == 2u || files != changed) << "a backup missing";
        const std::string folder = TextCodec::toUtf8(run.state.gstrSaveFolder);
        for (const std::string& name : run.route.list()) {
            EXPECT_TRUE(std::ranges::count(run.entries, name) != 0 || name == folder)
                << name << " left behind";
        }
        const bool unusable = ending.outcome == "unusable";
        EXPECT_EQ(run.state.gblnRunning, unusable);
        EXPECT_EQ(files == changed, ending.outcome == "completed");
        EXPECT_EQ(run.host.program.messages.empty(), !unusable);
        if (ending.outcome == "file-error") {
            EXPECT_TRUE(!ending.problems.empty() &&
                        TextCodec::toUtf8(ending.problems.front()).starts_with("*** "));
        }
        return run.fileSystem.faultsFired() > 0;
    });
    EXPECT_GT(calls, 20u);
}

class RouteCase : public ::testing::TestWithParam<std::string> {};

TEST_P(RouteCase, RunLeavesTheProtocolAndFilesOfTheCase) {
    const std::vector<GoldenSection> sections = sectionsOf(GetParam());
#ifdef _WIN32
    if (std::ranges::any_of(sections, [](const GoldenSection& section) {
            return section.head.at(0) == "link-outside";
        })) {
        // Windows makes symbolic links only with rights a test does not have.
        GTEST_SKIP() << "needs symbolic links";
    }
#endif
    CaseRun run(sections);
    const Ending ending = run.run();

    EXPECT_EQ(ending.outcome, run.outcome);
    EXPECT_EQ(run.fileSystem.faultsFired(), run.faults) << "a fault of the case hit no call";
    const std::string protocol =
        replacedAll(oldestFirst(run.state.gstrProtokoll.text()), run.route.path(), "<route>");
    std::map<std::string, std::string> unchanged = run.oldBytes;
    for (const GoldenSection& section : sections) {
        const std::string& kind = section.head.at(0);
        if (kind == "protocol") {
            std::string expected;
            for (const std::string& line : splitLines(section.lines)) {
                expected += run.shorthands.count(line) != 0 ? run.shorthands.at(line) : line + "\n";
            }
            EXPECT_TRUE(sameLines(systemNeutral(expected), systemNeutral(protocol))) << "protocol";
        } else if (kind.starts_with("expect-")) {
            for (std::size_t i = 1; i < section.head.size(); ++i) {
                expectChanged(run, section, section.head[i].substr(kRouteId.size()));
                unchanged.erase(section.head[i].substr(kRouteId.size()));
            }
        } else if (kind == "list") {
            const std::string backups = TextCodec::toUtf8(run.state.gstrSaveFolder);
            EXPECT_TRUE(
                sameLines(replacedAll(section.lines, "<backups>", backups), routeTree(run.route)))
                << "route folder";
        }
    }
    expectNewCopiesWhole(run);
    for (const auto& [extension, bytes] : unchanged) {
        EXPECT_EQ(run.route.readBytes(kRouteId + extension), bytes) << extension << " changed";
    }
    if (ending.outcome != "unusable" && !run.restore) {
        // The clock stands still, so the run took no time.
        const std::string duration = TextCodec::toUtf8(run.host.statusLine);
        EXPECT_EQ(duration.substr(duration.find(' ')), " 0.00 s");
    }
    if (run.sweep) {
        expectWholeWhateverFails(sections, run.trackFiles());
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, RouteCase, ::testing::ValuesIn(runCases()), caseName);

// The new backup folder's entry is on disk before anything is renamed into place, so a crash
// cannot keep a replaced track file and lose the folder of its backup.
TEST(CrashOrder, RouteFolderIsFlushedOnceAfterTheBackupFolderIsMadeAndBeforeAnyRename) {
    CaseRun run(caseSections("base-route.txt", kHeadings));
    run.run();
    std::vector<FileOperation> order;
    for (const FileCall& call : run.fileSystem.calls()) {
        if ((call.operation == FileOperation::Flush && call.path == run.route.path()) ||
            call.operation == FileOperation::CreateFolder ||
            call.operation == FileOperation::Rename) {
            order.push_back(call.operation);
        }
    }
    const auto flush = std::ranges::find(order, FileOperation::Flush);
    EXPECT_EQ(std::ranges::count(order, FileOperation::Flush), 1);
    EXPECT_LT(std::ranges::find(order, FileOperation::CreateFolder), flush);
    EXPECT_LT(flush, std::ranges::find(order, FileOperation::Rename));
}

}  // namespace
}  // namespace veltrano::test
