#pragma once

#include <ctime>
#include <string>

namespace veltrano {

// One reading of the clock: the local calendar time and the seconds since local midnight.
struct ClockReading {
    std::tm local{};
    double secondsSinceMidnight = 0.0;
};

// The clock and the user's regional settings that turn its readings into text. Virtual so
// tests can fix the time and the formats.
class Clock {
  public:
    virtual ~Clock() = default;

    virtual ClockReading now() const;
    // The user's short date and long time (LC_TIME: %x and %X).
    virtual std::string shortDate(const std::tm& local) const;
    virtual std::string longTime(const std::tm& local) const;
    // The decimal separator of the user's number format (LC_NUMERIC).
    virtual char decimalSeparator() const;

    // "yymmdd" and "hhmmss" (24-hour clock), as backup names use them.
    static std::string yymmdd(const std::tm& local);
    static std::string hhmmss(const std::tm& local);
};

}  // namespace veltrano
