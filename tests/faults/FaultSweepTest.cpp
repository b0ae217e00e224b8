// Every file operation of a run fails in turn, in both languages. Whatever fails, each track
// file is old or new as a whole, both change together, a new one has its complete backup, and
// the run ends in order with one line that names the failure.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "engine/CorrectionRun.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/FixedClock.h"
#include "tests/support/Golden.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

// A run over the route of the golden run cases, which changes both track files.
struct SweptRun {
    SweptRun(bool german, FaultyFileSystem& fileSystem) : host(state, fileSystem) {
        route.makeUsableRoute("TESTROUTE");
        for (const GoldenSection& section : caseSections("base-route.txt", {"shorthand"})) {
            buildRoute(route, route, section);
        }
        state.gstrRoutePath = route.path();
        state.gstrLanguage = german ? "deutsch" : "english";
        state.gstrSaveFolder = german ? u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur"
                                      : u"_Saved_tdb_und_tit_files_before_pickup_correction";
        old = files();
        result = CorrectionRun(state, host, fileSystem, clock, RunOptions{}).run();
    }

    // The track files by extension, and the copies in the backup folder by their names.
    std::map<std::string, std::string> files() const {
        return {{".tdb", route.readBytes("TESTROUTE.tdb")},
                {".tit", route.readBytes("TESTROUTE.tit")}};
    }
    std::map<std::string, std::string> backups() const {
        const std::string folder = TextCodec::toUtf8(state.gstrSaveFolder);
        std::map<std::string, std::string> copies;
        for (const std::string& name : std::filesystem::is_directory(route.pathOf(folder))
                                           ? route.list(folder)
                                           : std::vector<std::string>{}) {
            copies[name] = route.readBytes(folder + "/" + name);
        }
        return copies;
    }

    TempRoute route;
    RunState state;
    FixedClock clock;
    FakeRunHost host;
    std::map<std::string, std::string> old;
    RunResult result;
};

class FaultSweep : public ::testing::TestWithParam<bool> {};

TEST_P(FaultSweep, EachFileOperationOfARunFailingLeavesTrackFilesWholeWithTheirBackups) {
    FaultyFileSystem unfailed;
    const SweptRun clean(GetParam(), unfailed);
    const std::map<std::string, std::string> changed = clean.files();
    ASSERT_EQ(clean.result.outcome, RunOutcome::Completed);
    ASSERT_NE(changed.at(".tdb"), clean.old.at(".tdb"));
    ASSERT_NE(changed.at(".tit"), clean.old.at(".tit"));

    const std::size_t calls = forEachFailingCall(EIO, [&](FaultyFileSystem& fileSystem) {
        const SweptRun swept(GetParam(), fileSystem);
        const std::map<std::string, std::string> files = swept.files();
        EXPECT_TRUE(files == swept.old || files == changed) << "a track file half-written or alone";
        const std::map<std::string, std::string> copies = swept.backups();
        for (const auto& [name, bytes] : copies) {
            EXPECT_EQ(bytes, swept.old.at(name.substr(name.size() - 4)))
                << "partial backup " << name;
        }
        if (files == changed) {
            EXPECT_EQ(copies.size(), 2u);
        }
        // A run that ends on the failure says so; one that gets past it completes the change.
        // Only an unusable route folder ends the program instead of the run.
        const RunOutcome outcome = swept.result.outcome;
        EXPECT_EQ(swept.state.gblnRunning, outcome == RunOutcome::RouteFolderUnusable);
        if (outcome == RunOutcome::FileError) {
            ASSERT_FALSE(swept.result.problems.empty());
            EXPECT_TRUE(TextCodec::toUtf8(swept.result.problems.front()).starts_with("*** "));
        }
        EXPECT_EQ(files == changed, outcome == RunOutcome::Completed);
        EXPECT_EQ(swept.host.program.messages.empty(), outcome != RunOutcome::RouteFolderUnusable);
    });
    EXPECT_EQ(calls, unfailed.calls().size());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, FaultSweep, ::testing::Bool());

// The new backup folder's entry is on disk before anything is renamed into place, so a crash
// cannot keep a replaced track file and lose the folder of its backup.
TEST(CrashOrder, RouteFolderIsFlushedOnceAfterTheBackupFolderIsMadeAndBeforeAnyRename) {
    FaultyFileSystem fileSystem;
    const SweptRun run(false, fileSystem);
    std::vector<FileOperation> order;
    for (const FileCall& call : fileSystem.calls()) {
        const bool routeFlush =
            call.operation == FileOperation::Flush && call.path == run.route.path();
        if (routeFlush || call.operation == FileOperation::CreateFolder ||
            call.operation == FileOperation::Rename) {
            order.push_back(routeFlush ? FileOperation::Flush : call.operation);
        }
    }
    const auto flush = std::ranges::find(order, FileOperation::Flush);
    EXPECT_EQ(std::ranges::count(order, FileOperation::Flush), 1);
    EXPECT_LT(std::ranges::find(order, FileOperation::CreateFolder), flush);
    EXPECT_LT(flush, std::ranges::find(order, FileOperation::Rename));
}

}  // namespace
}  // namespace veltrano::test
