// The desktop program's command line, and its undo of the last run case by case
// (tests/golden/undo/): the boxes it shows, its exit status, the track files and the route's
// tree afterwards.
#include "desktop/UndoLastRun.h"

#include <gtest/gtest.h>

#include "RecordingView.h"
#include "desktop/DesktopArguments.h"
#include "desktop/LanguageWindow.h"
#include "desktop/UndoLastRunView.h"
#include "platform/TextCodec.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/FixedClock.h"
#include "tests/support/Golden.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

// Only the exact options, each any number of times but the two not mixed; else the usage.
TEST(DesktopArguments, TakesOnlyTheExactOptionsAndNeverBoth) {
    const std::string all = "--read-all-world-files", undo = "--undo-last-run";
    const auto parse = &DesktopArguments::parse;
    EXPECT_FALSE(parse({})->undoLastRun || parse({})->runOptions.readAllWorldFiles);
    EXPECT_TRUE(parse({all, all})->runOptions.readAllWorldFiles && !parse({all})->undoLastRun);
    EXPECT_TRUE(parse({undo, undo})->undoLastRun && !parse({undo})->runOptions.readAllWorldFiles);
    EXPECT_FALSE(parse({all, undo}) || parse({undo, all}));
    // Bytes that are no UTF-8 are one more wrong argument, not a failure of the parse.
    for (const char* wrong :
         {"", "--read-all-world-file", "--undo-last-runx", "--UNDO-LAST-RUN", " --undo-last-run",
          "--read-all-world-files=1", "--help", "\xff\xfe"}) {
        EXPECT_FALSE(parse({wrong}) || parse({all, wrong}) || parse({undo, wrong})) << wrong;
    }
    // The usage names the program as typed on each system.
    EXPECT_EQ(DesktopArguments::usage(u"veltrano.exe")
                  .rfind(u"Usage: veltrano.exe [--read-all-world-files | --undo-last-run]\r\n", 0),
              0u);
}

// Noon of the runs' day, after both; a run's date and time as the user's settings write them.
struct StampClock : FixedClock {
    ClockReading now() const override {
        ClockReading reading = FixedClock::now();
        reading.local.tm_hour = 12;
        reading.local.tm_min = reading.local.tm_sec = 0;
        return reading;
    }
    std::string shortDate(const std::tm& t) const override { return Clock::shortDate(t); }
    std::string longTime(const std::tm& t) const override { return Clock::longTime(t); }
};

// "@@ deutsch" chooses German in the language window, "@@ no" answers the question with No,
// "@@ fail <n>" fails the n-th rename; "@@ expect" holds each box ("? " before the question), the
// end, both track files and the route's tree. The route (undo/base/route.txt): R.tit and R.tdb
// hold t1 and d1; an English run at 9:00 found t0 and d0, a German one at 10:00, the newest, tN
// and dN. The clock stands at noon.
struct UndoCase : ::testing::TestWithParam<std::string>, UndoLastRunView {
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
    void showMessage(const std::u16string& t) override { m_log += TextCodec::toUtf8(t) + "\n"; }
    void endProgram(int status) override { m_log += "end " + std::to_string(status) + "\n"; }

    bool m_german = false, m_yes = true;
    std::string m_log;
    std::vector<std::string> m_languageLog;
    RecordingLanguageView m_language{m_languageLog, "frmLang"};
};

TEST_P(UndoCase, ShowsEndsAndLeavesTheRouteAsExpected) {
    TempRoute route;
    route.makeUsableRoute("R");
    for (const GoldenSection& section : caseSections("undo/base/route.txt", {})) {
        buildRoute(route, route, section);
    }
    FaultyFileSystem fileSystem;  // fails nothing unless a case says so
    std::string expected;
    for (const GoldenSection& section :
         caseSections("undo/" + GetParam() + ".txt", {"deutsch", "no", "fail", "expect"})) {
        const std::string& kind = section.head.at(0);
        if (kind == "expect") {
            expected = section.lines;
        } else if (kind == "fail") {
            fileSystem.inject(Fault{std::stoul(section.head.at(1)), {FileOperation::Rename}});
        } else if (!buildRoute(route, route, section)) {
            m_german |= kind == "deutsch";
            m_yes &= kind != "no";
        }
    }
    StampClock clock;
    UndoLastRun(*this, fileSystem, clock, route.path()).run();
    const std::string actual =
        m_log + route.readBytes("R.tit") + route.readBytes("R.tdb") + routeTree(route);
    EXPECT_TRUE(
        sameLines(expected, replacedAll(replacedAll(actual, route.path(), "<route>"), "\\", "/")));
}

INSTANTIATE_TEST_SUITE_P(Cases, UndoCase, ::testing::ValuesIn(goldenCases("undo")), caseName);

}  // namespace
}  // namespace veltrano::test
