// Restores put a route's track files back exactly as they were before a chosen run, undo each
// other, and leave each file old or new as a whole whatever call fails.

#include "engine/TrackFileRestore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/CorrectionRun.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempRoute.h"
#ifndef _WIN32
#include "tests/faults/FaultyFileSystem.h"
#endif

namespace veltrano::test {
namespace {

const std::string kEn = "_Saved_tdb_und_tit_files_before_pickup_correction/";
const std::string kDe = "_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur/";

std::string stampAt(int hour, int minute) {
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "261204-%02d%02d00", hour, minute);
    return stamp;
}

struct Files {
    std::string tit, tdb;
    bool operator==(const Files&) const = default;
};

// A route folder with its run state, and a clock set anew before every step.
struct Route {
    TempRoute folder;
    FileSystem plain;
    FileSystem* fileSystem = &plain;
    RunState state;
    FixedClock clock;

    Route() { state.gstrRoutePath = folder.path(); }
    Files files() const { return {folder.readBytes("R.tit"), folder.readBytes("R.tdb")}; }
    void at(int hour, int minute) { clock.setLocal(2026, 12, 4, hour, minute, 0); }
    void speak(bool german) {
        state.gstrLanguage = german ? "deutsch" : "english";
        state.gstrSaveFolder = german ? u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur"
                                      : u"_Saved_tdb_und_tit_files_before_pickup_correction";
    }
    void correct(bool german, int fillLevel, int changeAll) {
        speak(german);
        state.gvarFuellstand = fillLevel;
        FakeRunHost host(state, *fileSystem);
        host.changeAll = changeAll;
        EXPECT_EQ(CorrectionRun(state, host, *fileSystem, clock).run().outcome,
                  RunOutcome::Completed);
    }
    RestoreResult restore(const std::string& stamp, bool german = false) {
        speak(german);
        // The folder check is the CLI's, before the restore; here it reads the disk unfailed.
        FakeRunHost host(state, plain);
        EXPECT_TRUE(host.checkRouteFolderSilently());
        return TrackFileRestore(state, host, *fileSystem, clock, false).restore(stamp);
    }
    // The demo route under the RouteID R.
    void copyDemo() {
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(std::getenv("VELTRANO_SOURCE_DIR")) / "examples/demo-route";
        fs::copy(demo / "WORLD", folder.pathOf("WORLD"), fs::copy_options::recursive);
        fs::copy(demo / "Demo.tit", folder.pathOf("R.tit"));
        fs::copy(demo / "Demo.tdb", folder.pathOf("R.tdb"));
        folder.writeBytes("R.trk", "Tr_RouteFile (\r\n\tRouteID ( R )\r\n)\r\n");
    }
    // Hand-made copies: an English run at 10:00 with both files, a German run at 11:00 that
    // changed only the .tdb, and a copy of another route beside them.
    void handMade() {
        folder.makeUsableRoute("R");
        for (const auto& [name, bytes] :
             {std::pair<std::string, std::string>{kEn + "_Datum-261204_Uhrzeit-100000_R.tit", "t0"},
              {kEn + "_Datum-261204_Uhrzeit-100001_R.tdb", "d0"},
              {kDe + "_Datum-261204_Uhrzeit-110000_R.tdb", "d1"},
              {kDe + "_Datum-261204_Uhrzeit-110000_X.tit", "x"},
              {"R.tit", "t1"},
              {"R.tdb", "d2"}}) {
            folder.makeFolder(kEn);
            folder.makeFolder(kDe);
            folder.writeBytes(name, bytes);
        }
    }
};

// Three runs with other options each; a restore to before each gives that moment's files, and
// a restore with the stamp of that restore undoes it.
TEST(TrackFileRestore, RestoresTheFilesOfEachMomentAndUndoesItself) {
    Route route;
    route.copyDemo();
    std::vector<Files> before{route.files()};
    const struct {
        bool german;
        int fillLevel, changeAll;
    } runs[] = {{false, 0, 0}, {true, 3, 1}, {false, 1, 1}};
    for (int i = 0; i < 3; ++i) {
        route.at(8 + i, 0);
        route.correct(runs[i].german, runs[i].fillLevel, runs[i].changeAll);
        before.push_back(route.files());
        ASSERT_NE(before[i], before[i + 1]) << "run " << i;
    }
    for (int i = 0; i < 3; ++i) {
        route.at(12 + i, 0);
        const std::string stamp = stampAt(8 + i, 0);
        ASSERT_EQ(route.restore(stamp, i == 1).outcome, RestoreOutcome::Completed);
        EXPECT_EQ(route.files(), before[i]) << "restore to before the run " << stamp;
        route.at(12 + i, 30);
        ASSERT_EQ(route.restore(stampAt(12 + i, 0)).outcome, RestoreOutcome::Completed);
        EXPECT_EQ(route.files(), before[3]) << "undoing the restore to " << stamp;
    }
}

// Hand-made copies in both folders, with a .tdb-only run and another route's copy beside.
TEST(TrackFileRestore, PutsBackTheEarliestCopyOfTheRunOrLater) {
    const struct {
        std::string stamp;
        RestoreOutcome outcome;
        Files after;
        std::string problem;
    } rows[] = {
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
        route.handMade();
        route.at(12, 0);
        const RestoreResult result = route.restore(row.stamp);
        EXPECT_EQ(result.outcome, row.outcome) << row.stamp;
        EXPECT_EQ(route.files(), row.after) << row.stamp;
        EXPECT_EQ(result.problems.empty() ? "" : TextCodec::toUtf8(result.problems[0]),
                  row.problem);
    }
}

#ifndef _WIN32
// Every call of a restore failing in turn: the restore ends on its problem line, and the two
// files are both old or both restored, never one of each nor half-written; the restore's own
// backups are complete.
TEST(TrackFileRestore, EveryFailingCallLeavesBothFilesOldOrBothRestored) {
    for (std::size_t n = 0;; ++n) {
        Route route;
        FaultyFileSystem faulty;
        route.fileSystem = &faulty;
        route.handMade();
        route.at(12, 0);
        faulty.inject(Fault{Fault::Trigger::NthCall, n, {}, {}, ENOSPC});
        const RestoreResult result = route.restore("261204-100000");
        if (faulty.faultsFired() == 0) {
            ASSERT_GT(n, 10u);
            break;
        }
        const Files after = route.files();
        const bool restored = after == Files{"t0", "d0"};
        EXPECT_TRUE(restored || (after == Files{"t1", "d2"})) << "call " << n;
        EXPECT_EQ(restored, result.outcome == RestoreOutcome::Completed) << "call " << n;
        EXPECT_EQ(result.problems.empty(), restored) << "call " << n;
        for (const std::string& name : route.folder.list(kEn)) {
            const std::string bytes = route.folder.readBytes(kEn + name);
            EXPECT_TRUE(name.find("120000") == std::string::npos || bytes == "t1" || bytes == "d2")
                << name << " after call " << n;
            EXPECT_NE(name.rfind(".veltrano-", 0), 0u) << name << " after call " << n;
        }
    }
}
#endif

}  // namespace
}  // namespace veltrano::test
