#pragma once

#include <string>
#include <tuple>

#include "platform/Clock.h"

namespace veltrano::test {

// A clock that stands still at 4 December 2026, 06:10:23 local time, and formats like a German
// desktop: 04.12.2026 and 06:10:23.
class FixedClock : public Clock {
  public:
    ClockReading now() const override {
        std::tm local{};
        std::tie(local.tm_year, local.tm_mon, local.tm_mday, local.tm_hour, local.tm_min,
                 local.tm_sec) = std::tuple(126, 11, 4, 6, 10, 23);
        return {local, 22223.0};
    }
    std::string shortDate(const std::tm&) const override { return "04.12.2026"; }
    std::string longTime(const std::tm&) const override { return "06:10:23"; }
    char decimalSeparator() const override { return '.'; }
};

}  // namespace veltrano::test
