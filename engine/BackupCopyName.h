#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Clock.h"

namespace veltrano {

// The name of a dated backup copy, _Datum-yymmdd_Uhrzeit-hhmmss_<RouteID>.<ending>, and its
// stamp "yymmdd-hhmmss", which names the run that made the copy. Names are file-system text.
class BackupCopyName {
  public:
    BackupCopyName(std::string stamp, std::string routeId, std::string extension)
        : m_stamp(std::move(stamp)),
          m_routeId(std::move(routeId)),
          m_extension(std::move(extension)) {}

    // The stamp of one clock reading, in local time.
    static std::string stampOf(const ClockReading& reading);
    // The local time a stamp (isStamp()) stands for: the reverse of stampOf().
    static std::tm localTimeOf(std::string_view stamp);
    // "yymmdd-hhmmss" with a real month, day, hour, minute and second.
    static bool isStamp(std::string_view text);
    // `name` read as a copy of the .tit or .tdb of `routeId`; none when it is another file.
    static std::optional<BackupCopyName> read(std::string_view name, std::string_view routeId);

    std::string text() const;
    const std::string& stamp() const { return m_stamp; }
    // ".tit" or ".tdb"
    const std::string& extension() const { return m_extension; }

  private:
    std::string m_stamp;
    std::string m_routeId;
    std::string m_extension;
};

}  // namespace veltrano
