#include "tests/support/FixedClock.h"

namespace veltrano::test {

FixedClock::FixedClock() {
    setLocal(2026, 12, 4, 6, 10, 23);
}

void FixedClock::setLocal(int year, int month, int day, int hour, int minute, int second) {
    local = std::tm{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
}

ClockReading FixedClock::now() const {
    ClockReading reading;
    reading.local = local;
    reading.secondsSinceMidnight = secondsSinceMidnight;
    return reading;
}

}  // namespace veltrano::test
