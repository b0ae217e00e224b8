// The clock's readings as Windows gives them.

#include <windows.h>

#include <clocale>
#include <cstring>

#include "platform/ClockNative.h"
#include "platform/NativePath.h"

namespace veltrano::native {

namespace {

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

}  // namespace

std::tm localCalendarTime(std::time_t seconds) {
    std::tm local{};
    localtime_s(&local, &seconds);
    return local;
}

std::optional<std::string> userDateOrTime(bool date, const std::tm& local) {
    if (!usesUserLocale()) {
        return std::nullopt;
    }
    const SYSTEMTIME time = systemTimeOf(local);
    wchar_t text[256];
    const int length =
        date ? GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 256)
             : GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, 256);
    // The length counts the closing NUL; 0 means failure and leaves the C format.
    if (length <= 1) {
        return std::nullopt;
    }
    return NativePath::narrow(std::wstring(text, static_cast<std::size_t>(length - 1)));
}

}  // namespace veltrano::native
