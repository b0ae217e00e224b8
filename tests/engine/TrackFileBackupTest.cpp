// The dated copies made before a track file is replaced, and what happens when no copy can be
// made.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/engine/RunFixture.h"

namespace veltrano::test {
namespace {

class TrackFileBackupRun : public RunFixture {
  protected:
    TrackFileBackupRun() {
        // Both files need a change; the .tdb is stored as 8-bit text, the .tit as UTF-16.
        route.writeBytes(kRouteId + ".tdb", trackFile("\t\tComment ( \xC4nderung )\r\n" +
                                                      trackRecord("17", "2", "3")));
        route.writeUtf16(kRouteId + ".tit", trackFile(trackRecord("17", "2", "3")));
        writeWorld("w+000002+000003.w", worldFile(pickupObject("5", "900", "17")));
        tdbBefore = route.readBytes(kRouteId + ".tdb");
        titBefore = route.readBytes(kRouteId + ".tit");
    }

    std::string tdbBefore;
    std::string titBefore;
};

TEST_F(TrackFileBackupRun, EnglishRunCopiesBothOldFilesByteForByte) {
    run();
    const std::string folder = utf8(kEnglishSaveFolder);
    EXPECT_EQ(route.list(folder),
              (std::vector<std::string>{"_Datum-261204_Uhrzeit-061023_TESTROUTE.tdb",
                                        "_Datum-261204_Uhrzeit-061023_TESTROUTE.tit"}));
    EXPECT_EQ(route.readBytes(folder + "/_Datum-261204_Uhrzeit-061023_TESTROUTE.tdb"), tdbBefore);
    EXPECT_EQ(route.readBytes(folder + "/_Datum-261204_Uhrzeit-061023_TESTROUTE.tit"), titBefore);
    EXPECT_NE(route.readBytes(kRouteId + ".tdb"), tdbBefore);
    EXPECT_FALSE(route.exists(utf8(kGermanSaveFolder)));
}

TEST_F(TrackFileBackupRun, GermanRunUsesItsOwnFolder) {
    useGerman();
    run();
    EXPECT_EQ(route.list(utf8(kGermanSaveFolder)).size(), 2u);
    EXPECT_FALSE(route.exists(utf8(kEnglishSaveFolder)));
}

TEST_F(TrackFileBackupRun, NamesCarryTwoDigitsForEveryPartOfDateAndTime) {
    clock.setLocal(2027, 1, 9, 7, 5, 3);
    run();
    EXPECT_EQ(route.list(utf8(kEnglishSaveFolder)),
              (std::vector<std::string>{"_Datum-270109_Uhrzeit-070503_TESTROUTE.tdb",
                                        "_Datum-270109_Uhrzeit-070503_TESTROUTE.tit"}));
}

TEST_F(TrackFileBackupRun, LaterRunsAddTheirCopiesBesideTheEarlierOnes) {
    run();
    route.writeUtf16(kRouteId + ".tdb", trackFile(trackRecord("17", "2", "3")));
    clock.setLocal(2026, 12, 5, 18, 0, 0);
    host.boxText.clear();
    run();
    EXPECT_EQ(route.list(utf8(kEnglishSaveFolder)),
              (std::vector<std::string>{"_Datum-261204_Uhrzeit-061023_TESTROUTE.tdb",
                                        "_Datum-261204_Uhrzeit-061023_TESTROUTE.tit",
                                        "_Datum-261205_Uhrzeit-180000_TESTROUTE.tdb"}));
    EXPECT_EQ(
        route.readBytes(utf8(kEnglishSaveFolder) + "/_Datum-261204_Uhrzeit-061023_TESTROUTE.tdb"),
        tdbBefore);
}

TEST_F(TrackFileBackupRun, FileWhereTheFolderShouldBeStopsTheRunWithBothFilesUnchanged) {
    route.writeBytes(utf8(kEnglishSaveFolder), "not a folder");

    RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::FileError);
    EXPECT_EQ(route.readBytes(kRouteId + ".tit"), titBefore);
    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), tdbBefore);
    EXPECT_EQ(route.readBytes(utf8(kEnglishSaveFolder)), "not a folder");
    ASSERT_EQ(result.problems.size(), 1u);
    const std::string line = utf8(result.problems[0]);
    const std::string start = "*** Backup of " + route.pathOf("TESTROUTE.tit") + " failed: ";
    const std::string end = ". The file is left unchanged.";
    EXPECT_EQ(line.rfind(start, 0), 0u) << line;
    ASSERT_GT(line.size(), start.size() + end.size()) << "the cause is named";
    EXPECT_EQ(line.substr(line.size() - end.size()), end);
    // The run ends in order: its line stands right below "ready!".
    EXPECT_EQ(
        protocol().rfind(
            equalsLine() + "\r\n" + endLine(false) + "\r\n\r\nready!\r\n\r\n" + line + "\r\n", 0),
        0u)
        << protocol();
    EXPECT_EQ(utf8(host.statusLines.back()), "Duration: 0.00 s");
    EXPECT_FALSE(state.gblnRunning);
    EXPECT_EQ(host.animationIntervals.back(), 0);
}

TEST_F(TrackFileBackupRun, GermanBackupFailureLine) {
    useGerman();
    route.writeBytes(utf8(kGermanSaveFolder), "");
    RunResult result = run();
    ASSERT_EQ(result.problems.size(), 1u);
    const std::string line = utf8(result.problems[0]);
    EXPECT_EQ(
        line.rfind("*** Sicherung von " + route.pathOf("TESTROUTE.tit") + " fehlgeschlagen: ", 0),
        0u)
        << line;
    const std::string end = ". Die Datei bleibt unverändert.";
    EXPECT_EQ(line.substr(line.size() - end.size()), end);
    EXPECT_EQ(route.readBytes(kRouteId + ".tit"), titBefore);
}

// A disk on which renaming onto one chosen path fails, as a full or failing disk would.
class FailingRenameFileSystem : public FileSystem {
  public:
    IoResult renameOver(const std::string& from, const std::string& to) override {
        if (to == failingTarget) {
            return IoResult::failure("Input/output error");
        }
        return FileSystem::renameOver(from, to);
    }
    std::string failingTarget;
};

TEST_F(TrackFileBackupRun, FailedWriteOfTheTrackItemTableLeavesBothFilesAsTheyWere) {
    FailingRenameFileSystem disk;
    disk.failingTarget = route.pathOf("TESTROUTE.tit");
    FakeRunHost failingHost(state, disk);

    RunResult result = CorrectionRun(state, failingHost, disk, clock).run();

    EXPECT_EQ(result.outcome, RunOutcome::FileError);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(utf8(result.problems[0]), "*** Cannot write file " + route.pathOf("TESTROUTE.tit") +
                                            ": Input/output error. The file is left unchanged.");
    EXPECT_EQ(route.readBytes(kRouteId + ".tit"), titBefore);
    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), tdbBefore);
    EXPECT_EQ(route.list(), (std::vector<std::string>{"Route.trk", "TESTROUTE.tdb", "TESTROUTE.tit",
                                                      "WORLD", utf8(kEnglishSaveFolder)}))
        << "no temporary file is left behind";
}

TEST_F(TrackFileBackupRun, FailedWriteOfTheTrackDatabasePutsTheTrackItemTableBack) {
    FailingRenameFileSystem disk;
    disk.failingTarget = route.pathOf("TESTROUTE.tdb");
    FakeRunHost failingHost(state, disk);

    RunResult result = CorrectionRun(state, failingHost, disk, clock).run();

    EXPECT_EQ(result.outcome, RunOutcome::FileError);
    ASSERT_EQ(result.problems.size(), 2u);
    EXPECT_EQ(utf8(result.problems[1]),
              "*** " + route.pathOf("TESTROUTE.tit") + " was restored from its backup.");
    EXPECT_EQ(route.readBytes(kRouteId + ".tit"), titBefore);
    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), tdbBefore);
}

TEST_F(TrackFileBackupRun, TrackFileLinkedOutOfTheRouteFolderIsNeverWritten) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows lets only privileged users make symbolic links, and MinGW's C++ "
                    "library cannot make them at all";
#endif
    TempRoute elsewhere;
    elsewhere.writeUtf16("outside.tit", trackFile(trackRecord("17", "2", "3")));
    const std::string outsideBefore = elsewhere.readBytes("outside.tit");
    std::filesystem::remove(route.pathOf("TESTROUTE.tit"));
    std::filesystem::create_symlink(elsewhere.pathOf("outside.tit"), route.pathOf("TESTROUTE.tit"));

    RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::FileError);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(utf8(result.problems[0]),
              "*** " + route.pathOf("TESTROUTE.tit") +
                  " points outside the route folder; nothing was changed.");
    EXPECT_EQ(elsewhere.readBytes("outside.tit"), outsideBefore);
    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), tdbBefore);
    EXPECT_FALSE(route.exists(utf8(kEnglishSaveFolder)));
}

TEST_F(TrackFileBackupRun, StaleTemporaryFilesOfAKilledRunAreRemovedAndNothingElse) {
    const std::string folder = utf8(kEnglishSaveFolder);
    route.writeBytes(".veltrano-TESTROUTE.tdb.4711.tmp", "half");
    route.writeBytes(folder + "/.veltrano-_Datum-261203_Uhrzeit-101010_TESTROUTE.tit.99.tmp", "x");
    route.writeBytes(".veltrano-notes.txt", "mine");
    route.writeBytes("keep.tmp", "mine");

    run();

    EXPECT_FALSE(route.exists(".veltrano-TESTROUTE.tdb.4711.tmp"));
    EXPECT_FALSE(
        route.exists(folder + "/.veltrano-_Datum-261203_Uhrzeit-101010_TESTROUTE.tit.99.tmp"));
    EXPECT_TRUE(route.exists(".veltrano-notes.txt"));
    EXPECT_TRUE(route.exists("keep.tmp"));
}

}  // namespace
}  // namespace veltrano::test
