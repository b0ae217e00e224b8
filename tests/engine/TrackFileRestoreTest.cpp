// A restore puts back the earliest copy of the chosen run or a later one, and leaves each track
// file old or new as a whole whatever call fails.

#include "engine/TrackFileRestore.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

const std::string kEn = "_Saved_tdb_und_tit_files_before_pickup_correction/";
const std::string kDe = "_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur/";

using Files = std::pair<std::string, std::string>;  // .tit, .tdb

// A route folder with its run state and a fixed clock.
struct Route {
    TempRoute folder;
    FileSystem plain;
    FileSystem* fileSystem = &plain;
    RunState state;
    FixedClock clock;

    Files files() const { return {folder.readBytes("R.tit"), folder.readBytes("R.tdb")}; }
    RestoreResult restore(const std::string& stamp, int hour = 12) {
        state.gstrLanguage = "english";
        state.gstrSaveFolder = u"_Saved_tdb_und_tit_files_before_pickup_correction";
        clock.setLocal(2026, 12, 4, hour, 0, 0);
        // The folder check is the CLI's, before the restore; here it reads the disk unfailed.
        FakeRunHost host(state, plain);
        EXPECT_TRUE(host.checkRouteFolderSilently());
        return TrackFileRestore(state, host, *fileSystem, clock, false).restore(stamp);
    }
    // Hand-made copies: an English run at 9:00 that ended before its .tdb, one at 10:00 with
    // both files, a German run at 11:00 that changed only the .tdb, a copy of another route
    // and one whose name was cut short beside them.
    Route() {
        state.gstrRoutePath = folder.path();
        folder.makeUsableRoute("R");
        for (const auto& [name, bytes] :
             {std::pair<std::string, std::string>{kEn + "_Datum-261204_Uhrzeit-090000_R.tit", "tA"},
              {kEn + "_Datum-261204_Uhrzeit-100000_R.tit", "t0"},
              {kEn + "_Datum-261204_Uhrzeit-100001_R.tdb", "d0"},
              {kDe + "_Datum-261204_Uhrzeit-110000_R.tdb", "d1"},
              {kDe + "_Datum-261204_Uhrzeit-110000_X.tit", "x"},
              {kDe + "_Datum-261204_Uhrzeit-1", "cut"},
              {kDe + "_Datum-261204_Uhrzeix-110000_R.tit", "misspelt"},
              {"R.tit", "t1"},
              {"R.tdb", "d2"}}) {
            folder.writeBytes(name, bytes);
        }
    }
};

// Hand-made copies in both folders, with a .tdb-only run and another route's copy beside.
TEST(TrackFileRestore, PutsBackTheEarliestCopyOfTheRunOrLater) {
    const struct {
        std::string stamp;
        RestoreOutcome outcome;
        Files after;
        std::string problem;
    } rows[] = {
        {"261204-090000", RestoreOutcome::Completed, {"tA", "d0"}, ""},
        {"261204-100000", RestoreOutcome::Completed, {"t0", "d0"}, ""},
        {"261204-100001", RestoreOutcome::Completed, {"t0", "d0"}, ""},
        {"261204-110000", RestoreOutcome::Completed, {"t1", "d1"}, ""},
        {"261204-103000",
         RestoreOutcome::NoSuchRun,
         {"t1", "d2"},
         "*** No run has the stamp 261204-103000; the nearest runs are 261204-100000 and "
         "261204-110000. Nothing was changed."},
    };
    for (const auto& row : rows) {
        Route route;
        const RestoreResult result = route.restore(row.stamp);
        EXPECT_EQ(result.outcome, row.outcome) << row.stamp;
        EXPECT_EQ(route.files(), row.after) << row.stamp;
        EXPECT_EQ(result.problems.empty() ? "" : TextCodec::toUtf8(result.problems[0]),
                  row.problem);
    }
}

// The restore's own backups would take the name of the copies of 10:00 in a clock that stands
// at that second: it waits for the next second, and gives up unchanged when none comes.
TEST(TrackFileRestore, BackupsInTheSecondOfACopyWaitForTheNext) {
    Route route;
    const RestoreResult result = route.restore("261204-110000", 10);
    EXPECT_EQ(result.outcome, RestoreOutcome::FileError);
    EXPECT_EQ(route.files(), Files("t1", "d2"));
}

// Every call of a restore failing in turn: the restore ends on its problem line, and the two
// files are both old or both restored, never one of each nor half-written; the restore's own
// backups are complete.
TEST(TrackFileRestore, EveryFailingCallLeavesBothFilesOldOrBothRestored) {
    const std::size_t calls = forEachFailingCall(ENOSPC, [](const Fault& fault) {
        Route route;
        FaultyFileSystem faulty;
        faulty.inject(fault);
        route.fileSystem = &faulty;
        const RestoreResult result = route.restore("261204-100000");
        const bool restored = route.files() == Files{"t0", "d0"};
        EXPECT_TRUE(restored || (route.files() == Files{"t1", "d2"}));
        EXPECT_EQ(restored, result.outcome == RestoreOutcome::Completed);
        EXPECT_EQ(result.problems.empty(), restored);
        // Nothing but backups is left beside the track files and their copies.
        EXPECT_EQ(route.folder.list(), Route().folder.list());
        for (const std::string& name : route.folder.list(kEn)) {
            const std::string bytes = route.folder.readBytes(kEn + name);
            EXPECT_TRUE(name.find("120000") == std::string::npos || bytes == "t1" || bytes == "d2")
                << name;
            EXPECT_TRUE(name.starts_with("_Datum-261204_Uhrzeit-")) << name;
        }
        return faulty.faultsFired() > 0;
    });
    EXPECT_GT(calls, 10u);
}

}  // namespace
}  // namespace veltrano::test
