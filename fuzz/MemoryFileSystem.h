#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace veltrano::fuzz {

// A file system held in memory, so a fuzz input reaches the code without a disk in between
// and each run starts from exactly the files it is given. Reads hand out at most
// `readBlockSize` bytes at a time, so block boundaries fall where the input says.
class MemoryFileSystem : public FileSystem {
  public:
    void addFolder(const std::string& path) { m_folders.insert(path); }
    void addFile(const std::string& path, std::string bytes) { m_files[path] = std::move(bytes); }
    // The bytes of `path`; empty when there is no such file.
    const std::string& bytesOf(const std::string& path) const;
    const std::map<std::string, std::string>& files() const { return m_files; }

    std::size_t readBlockSize = 64 * 1024;

    bool folderExists(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    IoResult listFolder(const std::string& path, FolderEntries& entries) override;
    IoResult openInput(const std::string& path, std::unique_ptr<InputFile>& file) override;
    IoResult createFolder(const std::string& path) override;
    IoResult createFile(const std::string& path, const std::string& permissionsFrom,
                        std::unique_ptr<OutputFile>& file) override;
    IoResult renameOver(const std::string& from, const std::string& to) override;
    IoResult removeFile(const std::string& path) override;
    bool leadsOutside(const std::string& path, const std::string& root) override;

  private:
    std::set<std::string> m_folders;
    std::map<std::string, std::string> m_files;
};

}  // namespace veltrano::fuzz
