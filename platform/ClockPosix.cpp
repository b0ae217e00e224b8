// The clock's readings as POSIX systems give them.

#include "platform/ClockNative.h"

namespace veltrano::native {

std::tm localCalendarTime(std::time_t seconds) {
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
}

// The C library follows LC_TIME, which is the user's regional setting here.
std::optional<std::string> userDateOrTime(bool date, const std::tm& local) {
    (void)date;
    (void)local;
    return std::nullopt;
}

}  // namespace veltrano::native
