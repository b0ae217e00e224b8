#include "app/FolderListing.h"

namespace veltrano {

void FolderListing::subListFolder(const std::string& varFolderPath, bool varWithSubFolders,
                                  const std::string& varPattern, bool varMatchAtEnd) {
    FolderEntries entries;
    if (!m_fileSystem.listFolder(varFolderPath, entries)) {
        entries = FolderEntries{};
    }
    garrFolderList.assign(1, std::string());
    gintFolderCount = 0;
    if (varWithSubFolders) {
        garrFolderList.insert(garrFolderList.end(), entries.subfolders.begin(),
                              entries.subfolders.end());
        gintFolderCount = static_cast<long long>(entries.subfolders.size());
    }
    for (const std::string& name : entries.files) {
        const std::size_t found = name.find(varPattern);
        if (found == std::string::npos) {
            continue;
        }
        if (varMatchAtEnd && !name.ends_with(varPattern)) {
            continue;
        }
        garrFolderList.push_back(name);
        ++gintFolderCount;
    }
}

}  // namespace veltrano
