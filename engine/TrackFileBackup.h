#pragma once

#include <string>

#include "engine/RunContext.h"

namespace veltrano {

// Copies a track file, byte for byte, into the language's backup folder of the route under a
// dated name (_Datum-yymmdd_Uhrzeit-hhmmss_<RouteID>.tit / .tdb) before it is replaced.
class TrackFileBackup {
  public:
    explicit TrackFileBackup(RunContext& context) : m_context(context) {}

    // Backs up `sourcePath` as the file with extension `extension` (".tit" or ".tdb").
    // Returns the backup's path, or an empty text after a failure (the problem line is in the
    // protocol).
    std::string backUp(const std::string& sourcePath, const std::u16string& extension);

    std::string folderPath() const;

    // True when neither track file nor the backup folder is a link leading out of the route
    // folder; otherwise the problem line is in the protocol and nothing may be written.
    bool writesStayInside(const std::string& firstPath, const std::string& secondPath);
    // Both or neither: puts a replaced track file back to the copy just made of it when its
    // partner could not follow.
    void putBack(const std::string& path, const std::string& backupPath);
    // Removes what a killed run or restore left behind in the route folder and its backup
    // folders; nothing else is touched.
    static void removeStaleTemporaryFiles(FileSystem& fileSystem, const std::string& route);

  private:
    RunContext& m_context;
};

}  // namespace veltrano
