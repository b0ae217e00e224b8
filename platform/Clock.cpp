#include "platform/Clock.h"

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "platform/ClockNative.h"

namespace veltrano {

namespace {

std::string formatTime(const char* format, const std::tm& local) {
    char text[256];
    const std::size_t length = std::strftime(text, sizeof text, format, &local);
    return std::string(text, length);
}

std::string threeTwoDigitNumbers(int first, int second, int third) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d%02d%02d", first, second, third);
    return text;
}

}  // namespace

ClockReading Clock::now() const {
    using namespace std::chrono;
    // Calendar time and fraction come from one reading, so they can never straddle a second.
    const system_clock::time_point reading = system_clock::now();
    const auto whole = floor<seconds>(reading);
    const double fraction = duration<double>(reading - whole).count();

    ClockReading result;
    result.local = native::localCalendarTime(system_clock::to_time_t(whole));
    result.secondsSinceMidnight =
        result.local.tm_hour * 3600.0 + result.local.tm_min * 60.0 + result.local.tm_sec + fraction;
    return result;
}

std::string Clock::shortDate(const std::tm& local) const {
    return native::userDateOrTime(true, local).value_or(formatTime("%x", local));
}

std::string Clock::longTime(const std::tm& local) const {
    return native::userDateOrTime(false, local).value_or(formatTime("%X", local));
}

char Clock::decimalSeparator() const {
    const char* separator = std::localeconv()->decimal_point;
    // A separator of more than one byte cannot stand in a char; the point is the safe choice.
    return std::strlen(separator) == 1 ? separator[0] : '.';
}

std::string Clock::yymmdd(const std::tm& local) {
    return threeTwoDigitNumbers((local.tm_year + 1900) % 100, local.tm_mon + 1, local.tm_mday);
}

std::string Clock::hhmmss(const std::tm& local) {
    return threeTwoDigitNumbers(local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace veltrano
