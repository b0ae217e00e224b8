#pragma once

#include <ctime>
#include <optional>
#include <string>

// What Clock does each operating system's own way, for Clock.cpp alone. The build compiles one
// of ClockPosix.cpp and ClockWindows.cpp.
namespace veltrano::native {

std::tm localCalendarTime(std::time_t seconds);

// The user's short date (`date`) or long time as the system's regional settings write them;
// nothing where the C library's %x and %X already are those.
std::optional<std::string> userDateOrTime(bool date, const std::tm& local);

}  // namespace veltrano::native
