#pragma once

#include <string>

#include "platform/Clock.h"

namespace veltrano::test {

// A clock that stands still and formats like a German desktop: 04.12.2026 and 06:10:23.
class FixedClock : public Clock {
  public:
    // 4 December 2026, 06:10:23 local time.
    FixedClock() { setLocal(2026, 12, 4, 6, 10, 23); }

    ClockReading now() const override { return {local, 22223.0}; }
    std::string shortDate(const std::tm&) const override { return "04.12.2026"; }
    std::string longTime(const std::tm&) const override { return "06:10:23"; }
    char decimalSeparator() const override { return '.'; }

    // Sets the calendar time of every reading.
    void setLocal(int year, int month, int day, int hour, int minute, int second) {
        local = std::tm{};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = hour;
        local.tm_min = minute;
        local.tm_sec = second;
    }

    std::tm local{};
};

}  // namespace veltrano::test
