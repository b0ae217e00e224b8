#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <map>

#include "StartedProgram.h"
#include "Texts.h"

namespace veltrano::test {
namespace {

const char* const kInputControls[] = {"cmdQuit",       "cmdCorrectPickups", "cmdHelp", "cmbLang",
                                      "cmbFuellstand", "chkChangeAll",      "cmdClear"};

class RunButton : public testing::Test {
  protected:
    void SetUp() override {
        makeStartableRoute(m_route);
        m_program = std::make_unique<StartedProgram>(m_route);
    }

    QPushButton* runButton() { return m_program->control<QPushButton>("cmdCorrectPickups"); }
    int runsInProtocol() { return countOf(m_program->protocolText(), "--- START "); }

    std::map<std::string, bool> enabledControls() {
        std::map<std::string, bool> enabled;
        for (const char* name : kInputControls) {
            enabled[name] = m_program->control<QWidget>(name)->isEnabled();
        }
        return enabled;
    }
    static std::map<std::string, bool> allControls(bool enabled) {
        std::map<std::string, bool> controls;
        for (const char* name : kInputControls) {
            controls[name] = enabled;
        }
        return controls;
    }

    TempRoute m_route;
    std::unique_ptr<StartedProgram> m_program;
};

TEST_F(RunButton, TheReleaseOfAnyMouseButtonStartsARun) {
    int expectedRuns = 0;
    for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        m_program->runOnce(button);
        ++expectedRuns;
        EXPECT_EQ(runsInProtocol(), expectedRuns);
        EXPECT_TRUE(m_program->control<QLabel>("lblZeit")->text().startsWith("Duration: "));
        EXPECT_FALSE(m_program->state().gblnRunning);
    }
}

TEST_F(RunButton, APressWithoutReleaseStartsNothingYet) {
    QTest::mousePress(runButton(), Qt::RightButton);
    EXPECT_EQ(runsInProtocol(), 0);
    QTest::mouseRelease(runButton(), Qt::RightButton);
    EXPECT_EQ(runsInProtocol(), 1);
}

TEST_F(RunButton, SpaceAndEnterOnTheFocusedButtonStartNothing) {
    frmHaupt& window = m_program->window();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    runButton()->setFocus();
    ASSERT_TRUE(runButton()->hasFocus());
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(runButton(), key);
    }
    QTest::qWait(50);
    EXPECT_EQ(m_program->protocolText(), QString());
    EXPECT_EQ(m_program->boxText(), QString());
    EXPECT_EQ(utf8(m_program->control<QLabel>("lblZeit")->text()), "");
    EXPECT_FALSE(m_program->state().gblnRunning);
}

TEST_F(RunButton, TheControlsAreLockedFromTheStartOfTheRunAndReleasedAfterIt) {
    std::map<std::string, bool> atFirstYield;
    std::map<std::string, bool> afterTimer1Ticks;
    bool runningAtFirstYield = false;
    bool busyPointer = false;
    int animationInterval = -1;
    int timer1Ticks = 0;
    auto* timer1 = m_program->window().findChild<QTimer*>("Timer1");
    const auto countTicks = QObject::connect(timer1, &QTimer::timeout, [&] { ++timer1Ticks; });

    // Runs inside the run's first yield: the run is held there while the window goes on.
    QTimer::singleShot(0, &m_program->window(), [&] {
        atFirstYield = enabledControls();
        runningAtFirstYield = m_program->state().gblnRunning;
        busyPointer = m_program->window().cursor().shape() == Qt::WaitCursor;
        animationInterval = m_program->window().findChild<QTimer*>("tmrBlinken")->interval();
        timer1Ticks = 0;
        EXPECT_TRUE(QTest::qWaitFor([&] { return timer1Ticks >= 2; }, 2000));
        afterTimer1Ticks = enabledControls();
        // Neither a second run nor an option change gets through the lock.
        QTest::mouseClick(runButton(), Qt::LeftButton);
        QTest::mouseClick(m_program->control<QCheckBox>("chkChangeAll"), Qt::LeftButton);
        QTest::keyClick(m_program->control<QComboBox>("cmbFuellstand"), Qt::Key_Down);
    });
    QTest::mouseClick(runButton(), Qt::LeftButton);
    QObject::disconnect(countTicks);

    EXPECT_TRUE(runningAtFirstYield);
    EXPECT_EQ(atFirstYield, allControls(false));
    EXPECT_EQ(afterTimer1Ticks, allControls(false));
    EXPECT_TRUE(busyPointer);
    EXPECT_EQ(animationInterval, 100);
    EXPECT_EQ(runsInProtocol(), 1);
    EXPECT_FALSE(m_program->control<QCheckBox>("chkChangeAll")->isChecked());
    EXPECT_EQ(m_program->state().gvarFuellstand, 0);

    // The run is over: pointer and animation at once, the controls at Timer1's next tick.
    EXPECT_FALSE(m_program->state().gblnRunning);
    EXPECT_EQ(m_program->window().cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(m_program->window().findChild<QTimer*>("tmrBlinken")->interval(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return enabledControls() == allControls(true); }, 1500));
}

TEST_F(RunButton, TheChangeAllOptionIsReadAsOneOrZero) {
    EXPECT_EQ(m_program->window().changeAllValue(), 0);
    QTest::mouseClick(m_program->control<QCheckBox>("chkChangeAll"), Qt::LeftButton);
    EXPECT_EQ(m_program->window().changeAllValue(), 1);
}

TEST_F(RunButton, ARouteThatBecameUnusableEndsTheProgramAtTheRunStart) {
    std::filesystem::remove(std::filesystem::path(m_route.path()) / "TESTROUTE.tdb");
    QTest::mouseClick(runButton(), Qt::RightButton);

    ASSERT_EQ(m_program->answerer().messages.size(), 2u);
    // Silent check: no copy hint in front of the problems.
    EXPECT_EQ(utf8(m_program->answerer().messages[1].text),
              "Some trouble with the files of the route:\r\n\r\n- *.tdb is missed\r\n"
              "\r\nProgram will be cancelled now!\r\n\r\n");
    EXPECT_EQ(m_program->endings(), std::vector<int>{2});
    // Nothing of the run was written.
    EXPECT_EQ(m_program->protocolText(), QString());
    EXPECT_EQ(m_program->boxText(), QString());
}

}  // namespace
}  // namespace veltrano::test
