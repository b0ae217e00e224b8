#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/BackupCopyName.h"
#include "platform/FileSystem.h"

namespace veltrano {

// One dated copy of a route's track file in one of its backup folders.
struct BackupCopy {
    std::string stamp;         // "yymmdd-hhmmss" from the copy's name
    std::u16string extension;  // ".tit" or ".tdb"
    std::string folder;        // the backup folder's name
    std::string path;          // route folder, backup folder, copy name
    std::uintmax_t size = 0;
};

// The copies one run made: the .tit's and the .tdb's after it, or the .tdb's alone; a .tit
// copy alone is a run that ended before its .tdb.
struct BackupRun {
    std::optional<BackupCopy> tit;
    std::optional<BackupCopy> tdb;

    // The stamp of the run's first copy.
    const std::string& stamp() const { return tit ? tit->stamp : tdb->stamp; }
    const std::string& folder() const { return tit ? tit->folder : tdb->folder; }
    bool hasStamp(const std::string& stamp) const {
        return (tit && tit->stamp == stamp) || (tdb && tdb->stamp == stamp);
    }
    bool endedBeforeTdb() const { return tit && !tdb; }
};

// Finds the copies of a route's two track files in both backup folders (either language) and
// groups them into the runs that made them, oldest first. Copies of other RouteIDs and other
// files in those folders are left out.
class BackupCatalogue {
  public:
    BackupCatalogue(FileSystem& fileSystem, std::string routePath, std::u16string routeId)
        : m_fileSystem(fileSystem), m_routePath(std::move(routePath)), m_routeId(routeId) {}

    // Reads both folders and the sizes of the copies in them. A failure names the folder
    // that could not be listed, or the copy whose size could not be read, in `failedPath`.
    IoResult read(std::string& failedPath);

    const std::vector<BackupRun>& runs() const { return m_runs; }
    // The run that made a copy with this stamp.
    std::optional<std::size_t> runWithStamp(const std::string& stamp) const;
    // The last run before `stamp` and the first after it; null where there is none.
    std::pair<const BackupRun*, const BackupRun*> nearestRuns(const std::string& stamp) const;

    // "yymmdd-hhmmss" with a real month, day, hour, minute and second.
    static bool isStamp(std::string_view text) { return BackupCopyName::isStamp(text); }

  private:
    IoResult collect(const std::string& folder, std::vector<BackupCopy>& copies,
                     std::string& failedPath);
    std::optional<BackupCopy> copyOf(const std::string& folder, const std::string& name) const;
    void group(std::vector<BackupCopy> copies);

    FileSystem& m_fileSystem;
    std::string m_routePath;
    std::u16string m_routeId;
    std::vector<BackupRun> m_runs;
};

}  // namespace veltrano
