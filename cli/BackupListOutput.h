#pragma once

#include <string>

#include "engine/BackupCatalogue.h"

namespace veltrano {

// What --list-backups prints: one line per run, oldest first, as UTF-8 with LF line ends:
// its stamp, the files it copied with their sizes, and its folder.
class BackupListOutput {
  public:
    static std::string text(const BackupCatalogue& catalogue, const std::string& routeId,
                            bool german);

  private:
    static std::string line(const BackupRun& run, const std::string& routeId, bool german);
};

}  // namespace veltrano
