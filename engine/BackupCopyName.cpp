#include "engine/BackupCopyName.h"

#include <algorithm>

namespace veltrano {

namespace {

constexpr std::string_view kDate = "_Datum-";
constexpr std::string_view kTime = "_Uhrzeit-";
constexpr std::size_t kFieldLength = 6;  // yymmdd, hhmmss

bool isDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The two digits at `at` as a number.
int number(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

}  // namespace

std::string BackupCopyName::stampOf(const ClockReading& reading) {
    return Clock::yymmdd(reading.local) + "-" + Clock::hhmmss(reading.local);
}

std::tm BackupCopyName::localTimeOf(std::string_view stamp) {
    std::tm local{};
    local.tm_year = 100 + number(stamp, 0);
    local.tm_mon = number(stamp, 2) - 1;
    local.tm_mday = number(stamp, 4);
    local.tm_hour = number(stamp, 7);
    local.tm_min = number(stamp, 9);
    local.tm_sec = number(stamp, 11);
    return local;
}

bool BackupCopyName::isStamp(std::string_view text) {
    if (text.size() != 2 * kFieldLength + 1 || text[kFieldLength] != '-' ||
        !isDigits(text.substr(0, kFieldLength)) || !isDigits(text.substr(kFieldLength + 1))) {
        return false;
    }
    const int month = number(text, 2);
    const int day = number(text, 4);
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && number(text, 7) < 24 &&
           number(text, 9) < 60 && number(text, 11) < 60;
}

std::string BackupCopyName::text() const {
    const std::string_view stamp = m_stamp;
    std::string name(kDate);
    name.append(stamp.substr(0, kFieldLength)).append(kTime);
    name.append(stamp.substr(kFieldLength + 1)).append("_").append(m_routeId);
    return name.append(m_extension);
}

std::optional<BackupCopyName> BackupCopyName::read(std::string_view name,
                                                   std::string_view routeId) {
    const std::size_t timeAt = kDate.size() + kFieldLength + kTime.size();
    const std::size_t extensionAt = timeAt + kFieldLength + 1 + routeId.size();
    if (name.size() < extensionAt) {
        return std::nullopt;
    }
    BackupCopyName copy(std::string(name.substr(kDate.size(), kFieldLength)) + "-" +
                            std::string(name.substr(timeAt, kFieldLength)),
                        std::string(routeId), std::string(name.substr(extensionAt)));
    // Whatever stands around the fields must be what a backup writes there.
    if (!isStamp(copy.m_stamp) || (copy.m_extension != ".tit" && copy.m_extension != ".tdb") ||
        copy.text() != name) {
        return std::nullopt;
    }
    return copy;
}

}  // namespace veltrano
