#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace veltrano {

// The folder listing shared by the route check and the start-up's world file test.
// garrFolderList element 0 is always empty; names stand at 1 to gintFolderCount.
class FolderListing {
  public:
    explicit FolderListing(FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

    // Lists `varFolderPath`: its subfolder names first when `varWithSubFolders`, then every
    // file whose name contains `varPattern` (case-sensitive) and, when `varMatchAtEnd`, also
    // ends with it. A folder that cannot be listed lists nothing.
    void subListFolder(const std::string& varFolderPath, bool varWithSubFolders,
                       const std::string& varPattern, bool varMatchAtEnd);

    std::vector<std::string> garrFolderList{""};
    long long gintFolderCount = 0;

  private:
    FileSystem& m_fileSystem;
};

}  // namespace veltrano
