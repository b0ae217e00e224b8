#include <gtest/gtest.h>

#include <complex>
#include <filesystem>
#include <map>
#include <numbers>
#include <thread>
#include <utility>

#include "RecordingView.h"
#include "desktop/HelpWindow.h"
#include "desktop/LanguageWindow.h"
#include "desktop/MainWindow.h"
#include "desktop/WheelGeometry.h"
#include "desktop/YieldPacer.h"
#include "tests/support/FixedClock.h"
#include "tests/support/Golden.h"
#include "tests/support/TempRoute.h"
#include "version.h"

namespace veltrano::test {
namespace {

using enum ControlId;

// The recorded calls against tests/golden/desktop/<name>.txt.
void expectGolden(const std::string& name, const std::string& actual) {
    EXPECT_TRUE(sameLines(readGolden("desktop/" + name + ".txt"), actual)) << name;
}

// The main window's model on a recording view, started in a temporary route folder.
class DesktopWindows : public ::testing::Test {
  protected:
    DesktopWindows() : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(route.path());
        view.onBoxChanged = [this] { window.boxTextChanged(txtAnzeige); };
    }
    ~DesktopWindows() override { std::filesystem::current_path(m_previous); }

    void makeStartable(bool withWorldFile = true) const {
        route.makeUsableRoute();
        if (withWorldFile) {
            route.writeBytes("WORLD/w-000000+000000.w",
                             "SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n)\r\n");
        }
    }
    // Form_Load, with the language window answered as a user would.
    void load(const std::string& language) {
        if (language == "deutsch") {
            view.frmLang.onShow = [](LanguageWindow& w) {
                w.click(frmLang_cmbLang);  // only OK closes the window
                w.listIndexChanged(frmLang_cmbLang, 1);
            };
        }
        window.Form_Load();
    }
    // The recorded calls from `line` on, the program's version masked.
    std::string logFrom(std::size_t line) {
        return replacedAll(view.logText(route.path(), line), version::kText, "<version>");
    }

    TempRoute route;
    RecordingView view;
    FileSystem fileSystem;
    FixedClock clock;
    SteppedPace pace;
    MainWindow window{view, fileSystem, clock, pace};

  private:
    std::filesystem::path m_previous;
};

class StartUp : public DesktopWindows,
                public ::testing::WithParamInterface<std::tuple<std::string, std::string>> {};

TEST_P(StartUp, RecordsTheWindowsCallsInOrder) {
    const auto& [folder, language] = GetParam();
    if (folder != "unusable") {
        makeStartable(folder == "startable");
    }
    load(language);
    // The language's file holds the calls every start makes, then those of each folder.
    std::string expected;
    for (const GoldenSection& part :
         caseSections("desktop/StartUp_" + language + ".txt",
                      {"start", "startable", "unusable", "noWorldFile"})) {
        expected += part.head.at(0) == "start" || part.head.at(0) == folder ? part.lines : "";
    }
    EXPECT_TRUE(sameLines(expected, logFrom(0))) << folder << " " << language;
    EXPECT_EQ(window.state().gstrLanguage, language);
}

INSTANTIATE_TEST_SUITE_P(
    FoldersAndLanguages, StartUp,
    ::testing::Combine(::testing::Values("startable", "unusable", "noWorldFile"),
                       ::testing::Values("english", "deutsch")),
    [](const auto& row) { return std::get<0>(row.param) + "_" + std::get<1>(row.param); });

TEST_F(DesktopWindows, LanguageSwitchKeepsTheFillLevel) {
    makeStartable();
    load("english");
    const std::size_t start = view.log.size();
    window.listIndexChanged(cmbFuellstand, 4);
    window.listIndexChanged(cmbLang, 1);
    EXPECT_EQ(window.state().gvarFuellstand, 4);
    EXPECT_EQ(window.state().gstrSaveFolder, u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur");
    expectGolden("LanguageSwitch", logFrom(start));
}

// The run locks the controls at once; the clicks of a user while it yields reach no handler;
// Timer1 unlocks the controls after it.
TEST_F(DesktopWindows, RunLocksAtOnceAndTimer1UnlocksAfterIt) {
    makeStartable();
    load("english");
    const std::size_t start = view.log.size();
    view.onPendingEvents = [&] {
        window.click(cmdQuit);
        window.listIndexChanged(cmbLang, 1);
        window.mouseUp(cmdCorrectPickups, 1, 0, 10, 10);
    };
    window.mouseUp(cmdCorrectPickups, 2, 0, 10, 10);
    EXPECT_EQ(view.box, window.state().gstrProtokoll.text());
    window.timerTick(Timer1);
    window.click(cmdQuit);
    expectGolden("Run", logFrom(start));
}

// The route check of a run fails when the route lost its route file since the start: the user
// gets the message and the program ends once, with status 2.
TEST_F(DesktopWindows, RunOnARouteNoLongerUsableEndsTheProgramOnce) {
    makeStartable();
    load("english");
    const std::size_t start = view.log.size();
    std::filesystem::remove(route.pathOf("Route.trk"));
    window.mouseUp(cmdCorrectPickups, 1, 0, 10, 10);
    expectGolden("RunOnARouteNoLongerUsable", logFrom(start));
}

TEST_F(DesktopWindows, AnimationStepsOneFrameATickAndResetsWhenStopped) {
    window.setAnimationInterval(100);
    for (int tick = 0; tick < 5; ++tick) {
        window.timerTick(tmrBlinken);
    }
    window.timerTick(Timer1);  // a running animation stays as it is
    window.setAnimationInterval(0);
    window.timerTick(Timer1);
    expectGolden("Animation", logFrom(0));
}

TEST_F(DesktopWindows, ProtocolBoxGetsWhatIsNewInFrontTheWholeTextAfterAnEditAndCtrlA) {
    Protocol& protocol = window.state().gstrProtokoll;
    const auto show = [&](const char16_t* entry, int msLater) {
        pace.time += std::chrono::milliseconds(msLater);
        protocol.prepend(entry);
        window.showProtocol(protocol);
    };
    // A show right after a write waits; one a tenth of a second after it, as the eye follows
    // the box, is written at once.
    show(u"one\r\n", 0);
    show(u"two\r\n", 0);  // waits for the next due yield
    window.yieldToEvents();
    pace.due = true;
    window.yieldToEvents();
    show(u"three\r\n", 100);
    view.box = u"edited by hand";
    window.boxTextChanged(txtAnzeige);
    show(u"four\r\n", 100);
    show(u"", 100);  // nothing new: nothing to put in front
    show(u"five\r\n", 0);
    EXPECT_EQ(window.protocolBoxText(), protocol.text());
    window.click(cmdClear);
    EXPECT_TRUE(protocol.empty());
    show(u"six\r\n", 100);
    // Ctrl+A selects the whole box; other keys are left to the box.
    for (int KeyAscii : {1, 97, 13}) {
        window.keyPress(txtAnzeige, KeyAscii);
    }
    expectGolden("ProtocolBox", logFrom(0));
}

TEST_F(DesktopWindows, HelpWindowIsMadeOnceAndLoadsAgainAfterItWasClosed) {
    window.state().gstrLanguage = "deutsch";
    window.click(cmdHelp);
    window.click(cmdHelp);
    ASSERT_NE(view.help, nullptr);
    view.help->Form_Unload();
    window.state().gstrLanguage = "english";
    window.click(cmdHelp);
    EXPECT_TRUE(window.helpWindow()->loaded());
    expectGolden("HelpWindow", logFrom(0));
}

// Each id finds its own row. Only controls that can take the focus have a turn in the tab order,
// and each window's turns run 0, 1, 2, ... in the order of its rows, the order the fronts make
// them in. Only timers have an interval.
TEST(ControlTable, RowsFindTheirIdsAndEachWindowsTabTurnsRunInTheOrderOfItsRows) {
    std::map<WindowId, int> next;
    for (const ControlDesign& row : ControlTable::controls()) {
        EXPECT_EQ(&ControlTable::control(row.id), &row) << row.name;
        const bool focusable = row.kind != ControlKind::Label && row.kind != ControlKind::Image &&
                               row.kind != ControlKind::Timer;
        EXPECT_EQ(row.tabIndex, focusable ? next[row.window]++ : -1) << row.name;
        EXPECT_TRUE(row.kind == ControlKind::Timer || row.interval == 0) << row.name;
    }
}

// The first frame stands unturned like the icon; each next turns on by the same step, the fourth
// to the first included, so the wheel turns evenly (turned by a spoke's angle it looks the same).
TEST(BusyWheel, FramesTurnEvenlyFromTheUnturnedFirstSixSpokesFromHubToRimInsideTheMargin) {
    const double step = WheelGeometry::turnOfFrame(2);
    EXPECT_EQ(WheelGeometry::turnOfFrame(1), 0.0);
    for (int frame = 3; frame <= WheelGeometry::kFrameCount; ++frame) {
        EXPECT_NEAR(WheelGeometry::turnOfFrame(frame), (frame - 1) * step, 1e-9) << frame;
    }
    EXPECT_NEAR(WheelGeometry::kFrameCount * step, 360.0 / WheelGeometry::kSpokes, 1e-9);
    // Six spokes evenly round from the hub to the rim, turned as asked, the rim inside the margin.
    const WheelGeometry wheel(30, 29, 1.0, 15.0, 1.5);
    EXPECT_LE(wheel.rimRadius + wheel.rimWidth / 2, 29 / 2.0 - 1.0);
    for (int i = 0; i < WheelGeometry::kSpokes; ++i) {
        const WheelGeometry::Spoke& spoke = wheel.spokes[static_cast<std::size_t>(i)];
        for (const auto& [end, radius] :
             {std::pair{spoke.hubEnd, wheel.hubRadius}, std::pair{spoke.rimEnd, wheel.rimRadius}}) {
            const std::complex<double> ray(end.x - wheel.centre.x, end.y - wheel.centre.y);
            const double turn = (15.0 + 60.0 * i) * std::numbers::pi / 180;
            EXPECT_LT(std::abs(ray - std::polar(radius, turn)), 1e-9) << "spoke " << i;
        }
    }
}

// The real beat: the window gets its events at a run's start and again after each period, also
// when the user held the first of them for many periods.
TEST(YieldPacerInARun, WindowGetsItsEventsAgainAfterTheFirstYield) {
    TempRoute route;
    std::filesystem::copy(VELTRANO_DEMO_ROUTE, route.path(),
                          std::filesystem::copy_options::recursive);
    RecordingView view;
    FileSystem fileSystem;
    FixedClock clock;
    YieldPacer pacer(ProtocolBoxFeed::kPeriod);
    MainWindow window(view, fileSystem, clock, pacer);
    window.state().gstrRoutePath = route.path();
    window.state().gstrSaveFolder = u"_Saved_tdb_und_tit_files_before_pickup_correction";
    int events = 0;
    view.onPendingEvents = [&events] {
        if (events++ == 0) {
            std::this_thread::sleep_for(ProtocolBoxFeed::kPeriod * 20);
        }
    };
    window.mouseUp(cmdCorrectPickups, 1, 0, 10, 10);
    EXPECT_GE(events, 2);
    EXPECT_FALSE(pacer.running());
    EXPECT_FALSE(pacer.takeDue());  // a stopped beat is never due
}

}  // namespace
}  // namespace veltrano::test
