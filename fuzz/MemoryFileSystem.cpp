#include "fuzz/MemoryFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace veltrano::fuzz {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t cut = path.rfind(FileSystem::separator());
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string nameOf(const std::string& path) {
    const std::size_t cut = path.rfind(FileSystem::separator());
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

class MemoryInputFile : public InputFile {
  public:
    MemoryInputFile(std::string bytes, std::size_t blockSize)
        : m_bytes(std::move(bytes)), m_blockSize(std::max<std::size_t>(1, blockSize)) {}

    IoResult read(char* buffer, std::size_t capacity, std::size_t& got) override {
        got = std::min({capacity, m_blockSize, m_bytes.size() - m_offset});
        std::memcpy(buffer, m_bytes.data() + m_offset, got);
        m_offset += got;
        return IoResult::success();
    }

  private:
    std::string m_bytes;
    std::size_t m_blockSize;
    std::size_t m_offset = 0;
};

// Collects what is written and puts it in place when closed, as the disk would.
class MemoryOutputFile : public OutputFile {
  public:
    MemoryOutputFile(std::map<std::string, std::string>& files, std::string path)
        : m_files(files), m_path(std::move(path)) {}

    IoResult write(const char* data, std::size_t size) override {
        m_files[m_path].append(data, size);
        return IoResult::success();
    }
    IoResult flush() override { return IoResult::success(); }
    IoResult close() override { return IoResult::success(); }

  private:
    std::map<std::string, std::string>& m_files;
    std::string m_path;
};

}  // namespace

const std::string& MemoryFileSystem::bytesOf(const std::string& path) const {
    static const std::string none;
    auto found = m_files.find(path);
    return found == m_files.end() ? none : found->second;
}

bool MemoryFileSystem::folderExists(const std::string& path) {
    return m_folders.count(path) != 0;
}

bool MemoryFileSystem::fileExists(const std::string& path) {
    return m_files.count(path) != 0;
}

IoResult MemoryFileSystem::listFolder(const std::string& path, FolderEntries& entries) {
    entries = FolderEntries{};
    if (!folderExists(path)) {
        return IoResult::fromErrno(ENOENT);
    }
    for (const std::string& folder : m_folders) {
        if (folderOf(folder) == path && folder != path) {
            entries.subfolders.push_back(nameOf(folder));
        }
    }
    for (const auto& [file, bytes] : m_files) {
        if (folderOf(file) == path) {
            entries.files.push_back(nameOf(file));
        }
    }
    return IoResult::success();
}

IoResult MemoryFileSystem::openInput(const std::string& path, std::unique_ptr<InputFile>& file) {
    auto found = m_files.find(path);
    if (found == m_files.end()) {
        file.reset();
        return IoResult::fromErrno(ENOENT);
    }
    file = std::make_unique<MemoryInputFile>(found->second, readBlockSize);
    return IoResult::success();
}

IoResult MemoryFileSystem::createFolder(const std::string& path) {
    if (fileExists(path)) {
        return IoResult::fromErrno(EEXIST);
    }
    m_folders.insert(path);
    return IoResult::success();
}

IoResult MemoryFileSystem::createFile(const std::string& path, const std::string&,
                                      std::unique_ptr<OutputFile>& file) {
    if (fileExists(path) || folderExists(path)) {
        file.reset();
        return IoResult::fromErrno(EEXIST);
    }
    if (!folderExists(folderOf(path))) {
        file.reset();
        return IoResult::fromErrno(ENOENT);
    }
    m_files[path];
    file = std::make_unique<MemoryOutputFile>(m_files, path);
    return IoResult::success();
}

IoResult MemoryFileSystem::renameOver(const std::string& from, const std::string& to) {
    auto found = m_files.find(from);
    if (found == m_files.end()) {
        return IoResult::fromErrno(ENOENT);
    }
    std::string bytes = std::move(found->second);
    m_files.erase(found);
    m_files[to] = std::move(bytes);
    return IoResult::success();
}

IoResult MemoryFileSystem::removeFile(const std::string& path) {
    return m_files.erase(path) != 0 ? IoResult::success() : IoResult::fromErrno(ENOENT);
}

bool MemoryFileSystem::leadsOutside(const std::string& path, const std::string& root) {
    return path.compare(0, root.size() + 1, root + separator()) != 0 && path != root;
}

}  // namespace veltrano::fuzz
