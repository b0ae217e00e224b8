#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace veltrano {
namespace {

std::tm calendar(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    return local;
}

TEST(Clock, BackupStampsKeepLeadingZerosOnA24HourClock) {
    EXPECT_EQ(Clock::yymmdd(calendar(2027, 1, 9, 7, 5, 3)), "270109");
    EXPECT_EQ(Clock::hhmmss(calendar(2027, 1, 9, 7, 5, 3)), "070503");
    EXPECT_EQ(Clock::yymmdd(calendar(2000, 12, 31, 23, 59, 59)), "001231");
    EXPECT_EQ(Clock::hhmmss(calendar(2000, 12, 31, 23, 59, 59)), "235959");
    EXPECT_EQ(Clock::hhmmss(calendar(2026, 12, 4, 0, 0, 0)), "000000");
}

TEST(Clock, SecondsSinceMidnightComeFromTheSameReadingAsTheCalendar) {
    const Clock clock;
    const ClockReading reading = clock.now();
    const double whole =
        reading.local.tm_hour * 3600.0 + reading.local.tm_min * 60.0 + reading.local.tm_sec;
    EXPECT_EQ(std::floor(reading.secondsSinceMidnight), whole);
    EXPECT_LT(reading.secondsSinceMidnight, 86401.0);
    EXPECT_GT(reading.local.tm_year, 120);
}

TEST(Clock, FormatsFollowTheProcessLocaleWhichIsCUnlessTheFrontSetsIt) {
    const Clock clock;
    const std::tm local = calendar(2027, 1, 9, 7, 5, 3);
    EXPECT_EQ(clock.shortDate(local), "01/09/27");
    EXPECT_EQ(clock.longTime(local), "07:05:03");
    EXPECT_EQ(clock.decimalSeparator(), '.');
}

}  // namespace
}  // namespace veltrano
