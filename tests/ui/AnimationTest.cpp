#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "StartedProgram.h"

namespace veltrano::test {
namespace {

struct ShownFrame {
    std::string name;
    QPoint position;
    int visibleFrames;
};

class Animation : public testing::Test {
  protected:
    void SetUp() override {
        makeStartableRoute(m_route);
        m_program = std::make_unique<StartedProgram>(m_route);
        m_blinken = m_program->window().findChild<QTimer*>("tmrBlinken");
        m_timer1 = m_program->window().findChild<QTimer*>("Timer1");
    }

    ShownFrame shownFrame() {
        ShownFrame shown{"", QPoint(), 0};
        for (const char* name : {"imgRunning01", "imgRunning02", "imgRunning03", "imgRunning04"}) {
            auto* frame = m_program->control<QLabel>(name);
            if (!frame->isHidden()) {
                shown.name = name;
                shown.position = frame->pos();
                ++shown.visibleFrames;
            }
        }
        return shown;
    }

    // True once Timer1's next tick has run (within a second).
    bool nextTimer1Tick() {
        bool ticked = false;
        const auto tick = QObject::connect(m_timer1, &QTimer::timeout, [&] { ticked = true; });
        const bool seen = QTest::qWaitFor([&] { return ticked; }, 1000);
        QObject::disconnect(tick);
        return seen;
    }

    TempRoute m_route;
    std::unique_ptr<StartedProgram> m_program;
    QTimer* m_blinken = nullptr;
    QTimer* m_timer1 = nullptr;
};

const QPoint kRestPosition(6, 44);

TEST_F(Animation, TicksCycleTheFourFramesAtTheRestPosition) {
    std::vector<ShownFrame> afterTicks;
    // Connected after the window's own handler, so it sees each tick's result.
    const auto record =
        QObject::connect(m_blinken, &QTimer::timeout, [&] { afterTicks.push_back(shownFrame()); });
    m_program->window().setAnimationInterval(100);
    EXPECT_TRUE(m_blinken->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return afterTicks.size() >= 6; }, 3000));
    m_program->window().setAnimationInterval(0);
    QObject::disconnect(record);

    const std::vector<std::string> expected{"imgRunning02", "imgRunning03", "imgRunning04",
                                            "imgRunning01", "imgRunning02", "imgRunning03"};
    for (std::size_t tick = 0; tick < expected.size(); ++tick) {
        SCOPED_TRACE(tick);
        EXPECT_EQ(afterTicks[tick].name, expected[tick]);
        EXPECT_EQ(afterTicks[tick].position, kRestPosition);
        EXPECT_EQ(afterTicks[tick].visibleFrames, 1);
    }
    EXPECT_FALSE(m_blinken->isActive());
}

TEST_F(Animation, StoppedOnAFrameItStaysUntilTimer1PutsBackTheFirst) {
    const auto stopOnThird = QObject::connect(m_blinken, &QTimer::timeout, [&] {
        if (shownFrame().name == "imgRunning03") {
            m_program->window().setAnimationInterval(0);
        }
    });
    m_program->window().setAnimationInterval(100);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_blinken->isActive(); }, 2000));
    QObject::disconnect(stopOnThird);
    EXPECT_EQ(shownFrame().name, "imgRunning03");

    ASSERT_TRUE(nextTimer1Tick());
    const ShownFrame shown = shownFrame();
    EXPECT_EQ(shown.name, "imgRunning01");
    EXPECT_EQ(shown.visibleFrames, 1);
    EXPECT_EQ(shown.position, kRestPosition);
    // Timer1 touches no position: the moved frames keep the rest position.
    EXPECT_EQ(m_program->control<QLabel>("imgRunning03")->pos(), kRestPosition);
}

TEST_F(Animation, ARunTurnsTheWheelAndEndsOnTheFirstFrame) {
    std::vector<std::string> seenDuringRun;
    QTimer::singleShot(0, &m_program->window(), [&] {
        const auto record = QObject::connect(m_blinken, &QTimer::timeout,
                                             [&] { seenDuringRun.push_back(shownFrame().name); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return seenDuringRun.size() >= 5; }, 2000));
        QObject::disconnect(record);
    });
    m_program->runOnce();
    ASSERT_GE(seenDuringRun.size(), 5u);
    EXPECT_EQ(seenDuringRun[0], "imgRunning02");
    EXPECT_EQ(seenDuringRun[3], "imgRunning01");
    EXPECT_EQ(seenDuringRun[4], "imgRunning02");

    ASSERT_TRUE(nextTimer1Tick());
    const ShownFrame shown = shownFrame();
    EXPECT_EQ(shown.name, "imgRunning01");
    EXPECT_EQ(shown.visibleFrames, 1);
    EXPECT_EQ(shown.position, kRestPosition);
    EXPECT_FALSE(m_blinken->isActive());
}

}  // namespace
}  // namespace veltrano::test
