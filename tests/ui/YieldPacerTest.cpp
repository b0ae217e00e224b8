#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ui/YieldPacer.h"

namespace veltrano {
namespace {

using namespace std::chrono_literals;

bool becomesDueWithin(YieldPacer& pacer, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (pacer.takeDue()) {
            return true;
        }
        std::this_thread::sleep_for(1ms);
    }
    return false;
}

TEST(YieldPacer, IsDueAtOnceOnStartThenOncePerPeriod) {
    YieldPacer pacer(15ms);
    EXPECT_FALSE(pacer.takeDue());
    pacer.start();
    EXPECT_TRUE(pacer.takeDue());
    // Taken: not due again until the next beat.
    EXPECT_FALSE(pacer.takeDue());
    EXPECT_TRUE(becomesDueWithin(pacer, 500ms));
    EXPECT_TRUE(becomesDueWithin(pacer, 500ms));
}

TEST(YieldPacer, ManyYieldsWithinOnePeriodAreDueOnlyOnce) {
    YieldPacer pacer(1000ms);
    pacer.start();
    int due = 0;
    const auto end = std::chrono::steady_clock::now() + 100ms;
    while (std::chrono::steady_clock::now() < end) {
        due += pacer.takeDue() ? 1 : 0;
    }
    EXPECT_EQ(due, 1);
}

TEST(YieldPacer, IsNeverDueAfterStop) {
    YieldPacer pacer(5ms);
    pacer.start();
    pacer.stop();
    EXPECT_FALSE(pacer.running());
    EXPECT_FALSE(becomesDueWithin(pacer, 60ms));
    // A new start beats again.
    pacer.start();
    EXPECT_TRUE(pacer.takeDue());
    EXPECT_TRUE(becomesDueWithin(pacer, 500ms));
}

}  // namespace
}  // namespace veltrano
