// Every file operation of a run fails in turn, in both languages. Whatever fails, each track
// file is old or new as a whole, both change together, a new one has its complete backup, and
// the run ends in order with one line that names the failure.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "engine/CorrectionRun.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

const std::string kRecord =
    "PickupItem (\r\nTrItemId ( 17 )\r\nTrItemRData ( 1 2 3 2 3 )\r\n"
    "PickupTrItemData ( 0 00000000 )\r\n)\r\n";

struct SweptRun {
    explicit SweptRun(bool german, std::size_t failingCall = SIZE_MAX) {
        route.makeUsableRoute("SWEPT");
        route.writeUtf16("SWEPT.tdb", "TrackDB (\r\n" + kRecord + ")\r\n");
        route.writeUtf16("SWEPT.tit", "TrItemTable (\r\n" + kRecord + ")\r\n");
        route.writeBytes("WORLD/w+000002+000003.w",
                         "SIMISA@@@@@@@@@@JINX0w0t______\r\nPickup (\r\nPickupType ( 6 0 )\r\n"
                         "PickupCapacity ( 40 1 )\r\nTrItemId ( 0 17 )\r\nPosition ( 1 )\r\n)\r\n");
        state.gstrRoutePath = route.path();
        state.gstrLanguage = german ? "deutsch" : "english";
        state.gstrSaveFolder = german ? u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur"
                                      : u"_Saved_tdb_und_tit_files_before_pickup_correction";
        oldTdb = route.readBytes("SWEPT.tdb");
        oldTit = route.readBytes("SWEPT.tit");
        fileSystem.inject({failingCall, {}, {}, EIO});
        result = CorrectionRun(state, host, fileSystem, clock, RunOptions{}).run();
    }

    // The copies in the backup folder, whatever their names.
    std::vector<std::string> backups() const {
        const std::string folder = TextCodec::toUtf8(state.gstrSaveFolder);
        std::vector<std::string> copies;
        if (std::filesystem::is_directory(route.pathOf(folder))) {
            for (const std::string& name : route.list(folder)) {
                copies.push_back(route.readBytes(folder + "/" + name));
            }
        }
        return copies;
    }

    TempRoute route;
    RunState state;
    FaultyFileSystem fileSystem;
    FixedClock clock;
    FakeRunHost host{state, fileSystem};
    std::string oldTdb;
    std::string oldTit;
    RunResult result;
};

class FaultSweep : public ::testing::TestWithParam<bool> {};

TEST_P(FaultSweep, EachFileOperationOfARunFailingLeavesTrackFilesWholeWithTheirBackups) {
    const SweptRun clean(GetParam());
    ASSERT_EQ(clean.result.outcome, RunOutcome::Completed);
    const std::string newTdb = clean.route.readBytes("SWEPT.tdb");
    const std::string newTit = clean.route.readBytes("SWEPT.tit");
    ASSERT_NE(newTdb, clean.oldTdb);

    for (std::size_t n = 0; n < clean.fileSystem.calls().size(); ++n) {
        const SweptRun swept(GetParam(), n);
        const FileCall& call = swept.fileSystem.calls().at(n);
        SCOPED_TRACE(std::string(operationName(call.operation)) + " " + call.path);
        const std::string tdb = swept.route.readBytes("SWEPT.tdb");
        const std::string tit = swept.route.readBytes("SWEPT.tit");
        EXPECT_TRUE(tdb == swept.oldTdb || tdb == newTdb);
        EXPECT_TRUE(tit == swept.oldTit || tit == newTit);
        EXPECT_EQ(tdb == newTdb, tit == newTit) << "the track files disagree";
        const std::vector<std::string> copies = swept.backups();
        for (const std::string& copy : copies) {
            EXPECT_TRUE(copy == swept.oldTdb || copy == swept.oldTit) << "a partial backup";
        }
        if (tdb == newTdb) {
            EXPECT_EQ(copies.size(), 2u);
        }
        // A run that ends on the failure says so; one that gets past it completes the change.
        // Only an unusable route folder ends the program instead of the run.
        const RunOutcome outcome = swept.result.outcome;
        EXPECT_EQ(swept.state.gblnRunning, outcome == RunOutcome::RouteFolderUnusable);
        if (outcome == RunOutcome::FileError) {
            ASSERT_FALSE(swept.result.problems.empty());
            EXPECT_EQ(TextCodec::toUtf8(swept.result.problems.front()).rfind("*** ", 0), 0u);
        }
        EXPECT_EQ(tdb == newTdb, outcome == RunOutcome::Completed);
        EXPECT_EQ(swept.host.program.messages.empty(), outcome != RunOutcome::RouteFolderUnusable);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, FaultSweep, ::testing::Bool());

// The new backup folder's entry is on disk before anything is renamed into place, so a crash
// cannot keep a replaced track file and lose the folder of its backup.
TEST(CrashOrder, RouteFolderIsFlushedOnceAfterTheBackupFolderIsMadeAndBeforeAnyRename) {
    const SweptRun run(false);
    const std::vector<FileCall>& calls = run.fileSystem.calls();
    const auto first = [&calls](FileOperation operation, const std::string& path) {
        return std::find_if(calls.begin(), calls.end(), [&](const FileCall& call) {
            return call.operation == operation && (path.empty() || call.path == path);
        });
    };
    const auto routeFlushed = first(FileOperation::Flush, run.route.path());
    EXPECT_LT(first(FileOperation::CreateFolder, ""), routeFlushed);
    EXPECT_LT(routeFlushed, first(FileOperation::Rename, ""));
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [&run](const FileCall& call) {
                                return call.operation == FileOperation::Flush &&
                                       call.path == run.route.path();
                            }),
              1);
}

}  // namespace
}  // namespace veltrano::test
