// Undoing the last run from the desktop program, case by case (tests/golden/undo/): the boxes
// it shows, its exit status, the track files and the route's tree afterwards.
#include "desktop/UndoLastRun.h"

#include <gtest/gtest.h>

#include "RecordingView.h"
#include "desktop/LanguageWindow.h"
#include "desktop/UndoLastRunView.h"
#include "platform/TextCodec.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/FixedClock.h"
#include "tests/support/Golden.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

// A run's date and time as the user's settings write them.
struct StampClock : FixedClock {
    std::string shortDate(const std::tm& t) const override { return Clock::shortDate(t); }
    std::string longTime(const std::tm& t) const override { return Clock::longTime(t); }
};

// "@@ choose deutsch|english yes|no" answers the windows as a user; "@@ fail <n>" fails the
// n-th rename; "@@ expect" holds each box ("? " before the question), the end, both track files
// and the route's tree. The route: R.tit and R.tdb hold t1 and d1; an English run at 9:00 found
// t0 and d0, and a German one at 10:00, the newest, found tN and dN. The clock stands at noon.
class UndoCase : public ::testing::TestWithParam<std::string>, public UndoLastRunView {
  protected:
    void openLanguageWindowModally(LanguageWindow& window) override {
        m_language.model = &window;
        m_language.onShow = [this](LanguageWindow& w) {
            w.listIndexChanged(ControlId::frmLang_cmbLang, m_german);
        };
        window.show(m_language);
    }
    bool askYesNo(const std::u16string& text) override {
        showMessage(u"? " + text);
        return m_yes;
    }
    void showMessage(const std::u16string& text) override {
        m_log += TextCodec::toUtf8(text) + "\n";
    }
    void endProgram(int status) override { m_log += "end " + std::to_string(status) + "\n"; }

    int m_german = 0;
    bool m_yes = true;
    std::string m_log;
    std::vector<std::string> m_languageLog;
    RecordingLanguageView m_language{m_languageLog, "frmLang"};
};

TEST_P(UndoCase, ShowsEndsAndLeavesTheRouteAsExpected) {
    TempRoute route, outside;
    route.makeUsableRoute("R");
    const std::string en = "_Saved_tdb_und_tit_files_before_pickup_correction/_Datum-261204_";
    const std::string de = "_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur/_Datum-261204_";
    route.writeBytes("R.tit", "t1");
    route.writeBytes("R.tdb", "d1");
    route.writeBytes(en + "Uhrzeit-090000_R.tit", "t0");
    route.writeBytes(en + "Uhrzeit-090001_R.tdb", "d0");
    route.writeBytes(de + "Uhrzeit-100000_R.tit", "tN");
    route.writeBytes(de + "Uhrzeit-100000_R.tdb", "dN");
    FileSystem plain;
    FaultyFileSystem faulty;
    FileSystem* fileSystem = &plain;
    std::string expected;
    for (const GoldenSection& section :
         caseSections("undo/" + GetParam() + ".txt", {"choose", "fail", "expect"})) {
        const std::string& kind = section.head.at(0);
        if (kind == "choose") {
            m_german = section.head.at(1) == "deutsch";
            m_yes = section.head.at(2) == "yes";
        } else if (kind == "fail") {
            faulty.inject(Fault{std::stoul(section.head.at(1)), {FileOperation::Rename}});
            fileSystem = &faulty;
        } else if (kind == "expect") {
            expected = section.lines;
        } else {
            buildRoute(route, outside, section);
        }
    }
    StampClock clock;
    clock.setLocal(2026, 12, 4, 12, 0, 0);
    UndoLastRun(*this, *fileSystem, clock, route.path()).run();
    const std::string actual =
        m_log + route.readBytes("R.tit") + " " + route.readBytes("R.tdb") + "\n" + routeTree(route);
    EXPECT_TRUE(
        sameLines(expected, replacedAll(replacedAll(actual, route.path(), "<route>"), "\\", "/")));
}

INSTANTIATE_TEST_SUITE_P(Cases, UndoCase, ::testing::ValuesIn(goldenCases("undo")), caseName);

}  // namespace
}  // namespace veltrano::test
