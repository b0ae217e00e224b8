#pragma once

#include <string>

#include "engine/RunContext.h"

namespace veltrano {

// Copies a track file, byte for byte, into the language's backup folder of the route under a
// dated name (BackupCopyName) before it is replaced.
class TrackFileBackup {
  public:
    explicit TrackFileBackup(RunContext& context) : m_context(context) {}

    // Backs up `sourcePath` as the file with extension `extension` (".tit" or ".tdb").
    // Returns the backup's path, or an empty text after a failure (the problem line is in the
    // protocol).
    std::string backUp(const std::string& sourcePath, const std::u16string& extension);

    std::string folderPath() const;

    // Removes what a killed run or restore left behind in the route folder and its backup
    // folders; nothing else is touched.
    static void removeStaleTemporaryFiles(FileSystem& fileSystem, const std::string& route);

  private:
    RunContext& m_context;
};

}  // namespace veltrano
