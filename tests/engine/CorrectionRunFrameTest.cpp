// The frame every run writes around its phases: START and END lines, the phase-1 lines of a
// track database without pickups, the status line, the busy indication, the handling of the
// earlier protocol, and the run arrays.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/CorrectionRun.h"
#include "tests/engine/RunFixture.h"

namespace veltrano::test {
namespace {

// The whole block of a run over a track database without any PickupItem, read from the top.
std::string blockWithoutPickups(bool german) {
    if (german) {
        return equalsLine() + "\r\n" + endLine(true) +
               "\r\n"
               "\r\n"
               "fertig!\r\n"
               "\r\n"
               "0 Pickups in in tdb-Datei gefunden.\r\n"
               "Erfasse Pickups in tdb-Datei\r\n"
               "\r\n" +
               startLine() + "\r\n" + equalsLine() + "\r\n\r\n";
    }
    return equalsLine() + "\r\n" + endLine(false) +
           "\r\n"
           "\r\n"
           "ready!\r\n"
           "\r\n"
           "0 pickups found in tdb file.\r\n"
           "Look up for pickups in tdb file\r\n"
           "\r\n" +
           startLine() + "\r\n" + equalsLine() + "\r\n\r\n";
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

using CorrectionRunFrame = RunFixture;

TEST_F(CorrectionRunFrame, EnglishRunWithoutPickupsWritesExactlyTheFrame) {
    RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::Completed);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(protocol(), blockWithoutPickups(false));
    EXPECT_EQ(utf8(host.boxText), protocol()) << "the box shows the protocol after the run";
    EXPECT_EQ(state.gdblTdbPickupCount, 0.0);
}

TEST_F(CorrectionRunFrame, GermanRunWithoutPickupsWritesExactlyTheFrame) {
    useGerman();
    run();
    EXPECT_EQ(protocol(), blockWithoutPickups(true));
}

TEST_F(CorrectionRunFrame, EveryFrameLineIs151CharactersWithATenCharacterDate) {
    for (bool german : {false, true}) {
        state.gstrLanguage = german ? "deutsch" : "english";
        host.boxText.clear();
        run();
        int frameLines = 0;
        for (const std::string& line : linesOf(protocol())) {
            if (line.rfind("---", 0) == 0 || line.rfind("===", 0) == 0) {
                ++frameLines;
                EXPECT_EQ(line.size(), 151u) << line;
            }
        }
        EXPECT_EQ(frameLines, 4);
    }
}

TEST_F(CorrectionRunFrame, TrackFilesWithoutPickupsAreNotTouched) {
    const std::string tdbBefore = route.readBytes(kRouteId + ".tdb");
    const std::string titBefore = route.readBytes(kRouteId + ".tit");
    run();
    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), tdbBefore);
    EXPECT_EQ(route.readBytes(kRouteId + ".tit"), titBefore);
    EXPECT_FALSE(route.exists(utf8(kEnglishSaveFolder)));
}

TEST_F(CorrectionRunFrame, DurationIsWrittenWithTwoDecimals) {
    clock.seconds = {100.0, 100.5};
    run();
    ASSERT_FALSE(host.statusLines.empty());
    EXPECT_EQ(utf8(host.statusLines.back()), "Duration: 0.50 s");

    useGerman();
    clock.seconds = {0.0, 12.3456};
    run();
    EXPECT_EQ(utf8(host.statusLines.back()), "Dauer: 12.35 s");

    clock.separator = ',';
    clock.seconds = {7.0, 9.25};
    run();
    EXPECT_EQ(utf8(host.statusLines.back()), "Dauer: 2,25 s");
}

TEST_F(CorrectionRunFrame, RunPassingMidnightShowsANegativeDuration) {
    clock.seconds = {86399.0, 1.0};
    run();
    EXPECT_EQ(utf8(host.statusLines.back()), "Duration: -86398.00 s");
}

// Records whether the run flag is up whenever the run touches the status line.
class WatchingHost : public FakeRunHost {
  public:
    WatchingHost(RunState& runState, FileSystem& fs)
        : FakeRunHost(runState, fs), m_state(runState) {}
    void setStatusLine(const std::u16string& text) override {
        runningAtStatus.push_back(m_state.gblnRunning);
        FakeRunHost::setStatusLine(text);
    }
    std::vector<bool> runningAtStatus;

  private:
    RunState& m_state;
};

TEST_F(CorrectionRunFrame, StatusLineAnimationAndPointerFollowTheRun) {
    WatchingHost watching(state, fileSystem);
    CorrectionRun(state, watching, fileSystem, clock).run();

    ASSERT_EQ(watching.statusLines.size(), 2u);
    EXPECT_EQ(utf8(watching.statusLines[0]), "Look up for pickups in tdb file");
    EXPECT_EQ(utf8(watching.statusLines[1]), "Duration: 0.00 s");
    EXPECT_EQ(watching.runningAtStatus, (std::vector<bool>{true, true}));
    EXPECT_EQ(watching.animationIntervals, (std::vector<int>{100, 0}));
    EXPECT_EQ(watching.busyPointer, (std::vector<bool>{true, false}));
    EXPECT_FALSE(state.gblnRunning);
    EXPECT_GE(watching.repaints, 1);
    EXPECT_GT(watching.yields, 0) << "the pass over the track database yields";
}

TEST_F(CorrectionRunFrame, BoxOfBlanksOnlyEmptiesTheOldProtocol) {
    for (const char16_t* box : {u"", u"   "}) {
        state.gstrProtokoll.assign(u"earlier run\r\n");
        host.boxText = box;
        run();
        EXPECT_EQ(protocol(), blockWithoutPickups(false));
    }
}

TEST_F(CorrectionRunFrame, BoxWithLineBreakOrTabKeepsTheOldProtocolBelowTheBlock) {
    for (const char16_t* box : {u"\r\n", u"\t", u" \t "}) {
        state.gstrProtokoll.assign(u"earlier run\r\n");
        host.boxText = box;
        run();
        EXPECT_EQ(protocol(), blockWithoutPickups(false) + "earlier run\r\n");
    }
}

TEST_F(CorrectionRunFrame, SecondRunStandsAboveTheFirstWithOneEmptyLineBetween) {
    run();
    run();
    EXPECT_EQ(protocol(), blockWithoutPickups(false) + blockWithoutPickups(false));
    // The first block ends in the equals line and one empty line.
    EXPECT_NE(protocol().find(equalsLine() + "\r\n\r\n" + equalsLine() + "\r\n"),
              std::string::npos);
}

TEST_F(CorrectionRunFrame, RunArraysAreRecreatedEveryRun) {
    state.garrWorldFiles = {u"", u"w+000001+000001.w"};
    state.garrPickupWorldFile = {u"", u"w+000001+000001.w"};
    state.garrPickupType = {u"", u"5"};
    state.garrPickupTrItemId = {u"", u"17"};
    state.garrPickupCapacity = {u"", u"500"};
    state.gdblTdbPickupCount = 12;

    run();

    for (const auto* array :
         {&state.garrWorldFiles, &state.garrPickupWorldFile, &state.garrPickupType,
          &state.garrPickupTrItemId, &state.garrPickupCapacity}) {
        ASSERT_EQ(array->size(), 1u);
        EXPECT_TRUE(array->front().empty());
    }
    EXPECT_EQ(state.gdblTdbPickupCount, 0.0);
    EXPECT_EQ(protocol(), blockWithoutPickups(false)) << "no phase 2 from the old arrays";
}

TEST_F(CorrectionRunFrame, UnusableRouteFolderEndsTheRunBeforeAnythingIsWritten) {
    std::filesystem::remove(route.pathOf("WORLD"));
    state.gstrProtokoll.assign(u"earlier run\r\n");
    host.boxText = u"earlier run\r\n";

    RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::RouteFolderUnusable);
    EXPECT_EQ(protocol(), "earlier run\r\n");
    EXPECT_EQ(host.program.messages.size(), 1u);
    EXPECT_TRUE(host.program.ended);
}

}  // namespace
}  // namespace veltrano::test
