#include "platform/Clock.h"

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include "platform/NativePath.h"
#endif

namespace veltrano {

namespace {

std::tm localCalendarTime(std::time_t seconds) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return local;
}

std::string formatTime(const char* format, const std::tm& local) {
    char text[256];
    const std::size_t length = std::strftime(text, sizeof text, format, &local);
    return std::string(text, length);
}

#ifdef _WIN32

// Once the front has taken the user's locale, Windows' own regional settings give the short
// date and the long time, in UTF-16; the C runtime's strftime would give them in the ANSI
// code page. In the "C" locale the C formats stand, as on POSIX.
bool usesUserLocale() {
    const char* name = std::setlocale(LC_TIME, nullptr);
    return name != nullptr && std::strcmp(name, "C") != 0;
}

SYSTEMTIME systemTimeOf(const std::tm& local) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(local.tm_year + 1900);
    time.wMonth = static_cast<WORD>(local.tm_mon + 1);
    time.wDay = static_cast<WORD>(local.tm_mday);
    time.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    time.wHour = static_cast<WORD>(local.tm_hour);
    time.wMinute = static_cast<WORD>(local.tm_min);
    time.wSecond = static_cast<WORD>(local.tm_sec);
    return time;
}

std::string userDateOrTime(bool date, const std::tm& local) {
    const SYSTEMTIME time = systemTimeOf(local);
    wchar_t text[256];
    const int length =
        date ? GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 256)
             : GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, 256);
    // The length counts the closing NUL; 0 means failure and leaves the C format.
    if (length <= 1) {
        return formatTime(date ? "%x" : "%X", local);
    }
    return NativePath::narrow(std::wstring(text, static_cast<std::size_t>(length - 1)));
}

#endif

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
    result.local = localCalendarTime(system_clock::to_time_t(whole));
    result.secondsSinceMidnight =
        result.local.tm_hour * 3600.0 + result.local.tm_min * 60.0 + result.local.tm_sec + fraction;
    return result;
}

std::string Clock::shortDate(const std::tm& local) const {
#ifdef _WIN32
    if (usesUserLocale()) {
        return userDateOrTime(true, local);
    }
#endif
    return formatTime("%x", local);
}

std::string Clock::longTime(const std::tm& local) const {
#ifdef _WIN32
    if (usesUserLocale()) {
        return userDateOrTime(false, local);
    }
#endif
    return formatTime("%X", local);
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
