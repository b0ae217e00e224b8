#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace veltrano {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kReadBlockSize = 64 * 1024;
constexpr char kTemporaryPrefix[] = ".veltrano-";
constexpr char kTemporarySuffix[] = ".tmp";
// More link hops than this while resolving a path means a loop.
constexpr int kMaxLinkHops = 40;

IoResult fromErrorCode(const std::error_code& error) {
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        return IoResult::fromErrno(error.value());
    }
    return IoResult::failure(error.message());
}

bool isFolderEntry(const fs::directory_entry& entry) {
    std::error_code ignored;
    return entry.is_directory(ignored);
}

bool isFileEntry(const fs::directory_entry& entry) {
    std::error_code ignored;
    return entry.is_regular_file(ignored);
}

IoResult syncToDisk(int descriptor) {
    while (::fsync(descriptor) != 0) {
        if (errno != EINTR) {
            return IoResult::fromErrno(errno);
        }
    }
    return IoResult::success();
}

// Writes, flushes and closes a freshly created file; the first failure counts.
IoResult fillNewFile(OutputFile& file, const std::string& bytes) {
    IoResult result = file.write(bytes.data(), bytes.size());
    if (result) {
        result = file.flush();
    }
    // close() can report a delayed write error; it counts like any other.
    IoResult closed = file.close();
    return result ? closed : result;
}

// After a rename the directory entry must reach the disk too. The data itself was flushed
// before the rename and the new name is already in place, so a failure here cannot be
// reported as "file left unchanged"; it is left as the file system's to recover.
void syncFolderOf(const std::string& path) {
    std::string folder = fs::path(path).parent_path().string();
    if (folder.empty()) {
        folder = ".";
    }
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return;
    }
    (void)syncToDisk(descriptor);
    ::close(descriptor);
}

// The path with every symbolic link followed. A link at the end that points at nothing
// existing is followed by hand, since weakly_canonical() leaves it in place.
fs::path resolvedPath(const std::string& path, std::error_code& error) {
    fs::path current = fs::absolute(path, error);
    for (int hop = 0; !error && hop < kMaxLinkHops; ++hop) {
        fs::path resolved = fs::weakly_canonical(current, error);
        if (error) {
            break;
        }
        std::error_code statusError;
        if (!fs::is_symlink(fs::symlink_status(resolved, statusError))) {
            return resolved;
        }
        const fs::path target = fs::read_symlink(resolved, error);
        current = target.is_absolute() ? target : resolved.parent_path() / target;
    }
    if (!error) {
        error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    }
    return {};
}

bool isWithin(const fs::path& path, const fs::path& root) {
    auto pathPart = path.begin();
    for (const auto& rootPart : root) {
        // A trailing separator of the root is an empty last element.
        if (rootPart.empty()) {
            continue;
        }
        if (pathPart == path.end() || *pathPart != rootPart) {
            return false;
        }
        ++pathPart;
    }
    return true;
}

bool equalIgnoringAsciiCase(const std::string& left, const std::string& right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t i = 0; i < left.size(); ++i) {
        char a = left[i];
        char b = right[i];
        if (a >= 'A' && a <= 'Z') {
            a = static_cast<char>(a - 'A' + 'a');
        }
        if (b >= 'A' && b <= 'Z') {
            b = static_cast<char>(b - 'A' + 'a');
        }
        if (a != b) {
            return false;
        }
    }
    return true;
}

// ".veltrano-<name>.<pid>.tmp" and nothing looser: a user's own file must never match.
bool isTemporaryName(const std::string& name) {
    const std::string prefix = kTemporaryPrefix;
    const std::string suffix = kTemporarySuffix;
    if (name.size() <= prefix.size() + suffix.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    const std::string middle =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const std::size_t dot = middle.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == middle.size()) {
        return false;
    }
    return middle.find_first_not_of("0123456789", dot + 1) == std::string::npos;
}

std::size_t lastSeparator(const std::string& path) {
#ifdef _WIN32
    return path.find_last_of("/\\");
#else
    return path.rfind('/');
#endif
}

// Writes `bytes` to the temporary file beside `target` and renames it over `target`; the
// temporary file is gone afterwards whatever happened.
IoResult writeBeside(FileSystem& fileSystem, const std::string& target, const std::string& bytes,
                     const std::string& permissionsFrom) {
    const std::string temporary = FileSystem::temporaryPathFor(target);
    if (fileSystem.fileExists(temporary)) {
        IoResult removed = fileSystem.removeFile(temporary);
        if (!removed) {
            return removed;
        }
    }
    IoResult written = fileSystem.writeNewFile(temporary, bytes, permissionsFrom);
    if (!written) {
        if (fileSystem.fileExists(temporary)) {
            (void)fileSystem.removeFile(temporary);
        }
        return written;
    }
    IoResult renamed = fileSystem.renameOver(temporary, target);
    if (!renamed) {
        (void)fileSystem.removeFile(temporary);
    }
    return renamed;
}

}  // namespace

bool FileSystem::folderExists(const std::string& path) {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

bool FileSystem::fileExists(const std::string& path) {
    std::error_code ignored;
    return fs::is_regular_file(path, ignored);
}

IoResult FileSystem::listFolder(const std::string& path, FolderEntries& entries) {
    entries = FolderEntries{};
    std::error_code error;
    fs::directory_iterator it(path, error);
    // Anything that is neither (sockets, dangling links) cannot be a route file or folder.
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (isFolderEntry(*it)) {
            entries.subfolders.push_back(name);
        } else if (isFileEntry(*it)) {
            entries.files.push_back(name);
        }
    }
    if (error) {
        entries = FolderEntries{};
        return fromErrorCode(error);
    }
    return IoResult::success();
}

IoResult FileSystem::readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::unique_ptr<InputFile> file;
    IoResult result = openInput(path, file);
    if (!result) {
        return result;
    }
    std::error_code ignored;
    const std::uintmax_t expected = fs::file_size(path, ignored);
    if (!ignored) {
        // Room for the last, empty read too: growing past the size would copy the whole file.
        bytes.reserve(static_cast<std::size_t>(expected) + kReadBlockSize);
    }
    std::size_t got = 0;
    do {
        const std::size_t start = bytes.size();
        bytes.resize(start + kReadBlockSize);
        result = file->read(bytes.data() + start, kReadBlockSize, got);
        bytes.resize(start + (result ? got : 0));
    } while (result && got > 0);
    if (!result) {
        bytes.clear();
    }
    return result;
}

IoResult FileSystem::openInput(const std::string& path, std::unique_ptr<InputFile>& file) {
    auto opened = std::make_unique<InputFile>();
    IoResult result = opened->open(path);
    file = result ? std::move(opened) : nullptr;
    return result;
}

IoResult FileSystem::createFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) == 0) {
        return IoResult::success();
    }
    const int error = errno;
    // The wanted state already holds; only a file in the folder's place is a failure.
    if (error == EEXIST && folderExists(path)) {
        return IoResult::success();
    }
    return IoResult::fromErrno(error);
}

IoResult FileSystem::createFile(const std::string& path, const std::string& permissionsFrom,
                                std::unique_ptr<OutputFile>& file) {
    auto created = std::make_unique<OutputFile>();
    IoResult result = created->create(path, permissionsFrom);
    file = result ? std::move(created) : nullptr;
    return result;
}

IoResult FileSystem::writeNewFile(const std::string& path, const std::string& bytes,
                                  const std::string& permissionsFrom) {
    std::unique_ptr<OutputFile> file;
    IoResult result = createFile(path, permissionsFrom, file);
    if (!result) {
        return result;
    }
    result = fillNewFile(*file, bytes);
    file.reset();
    if (!result) {
        // Half a file must never stay behind under a name a later step could take for whole.
        (void)removeFile(path);
    }
    return result;
}

IoResult FileSystem::renameOver(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return IoResult::fromErrno(errno);
    }
    syncFolderOf(to);
    return IoResult::success();
}

IoResult FileSystem::removeFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        return IoResult::fromErrno(errno);
    }
    return IoResult::success();
}

bool FileSystem::leadsOutside(const std::string& path, const std::string& root) {
    std::error_code error;
    const fs::path resolvedRoot = resolvedPath(root, error);
    const fs::path resolved = error ? fs::path() : resolvedPath(path, error);
    // A path that cannot be resolved (a link loop, no permission) is not trusted for writing.
    if (error) {
        return true;
    }
    return !isWithin(resolved, resolvedRoot);
}

IoResult FileSystem::replaceFile(const std::string& path, const std::string& bytes) {
    return writeBeside(*this, path, bytes, path);
}

IoResult FileSystem::copyFile(const std::string& source, const std::string& destination) {
    std::string bytes;
    IoResult read = readFile(source, bytes);
    if (!read) {
        return read;
    }
    return writeBeside(*this, destination, bytes, source);
}

std::string FileSystem::findEntry(const std::string& folder, const std::string& name) {
    const std::string exact = join(folder, name);
    if (fileExists(exact) || folderExists(exact)) {
        return name;
    }
    FolderEntries entries;
    if (!listFolder(folder, entries)) {
        return {};
    }
    std::string found;
    int matches = 0;
    for (const auto* names : {&entries.subfolders, &entries.files}) {
        for (const std::string& entry : *names) {
            if (equalIgnoringAsciiCase(entry, name)) {
                found = entry;
                ++matches;
            }
        }
    }
    return matches == 1 ? found : std::string();
}

void FileSystem::removeStaleTemporaryFiles(const std::string& folder) {
    FolderEntries entries;
    if (!listFolder(folder, entries)) {
        return;
    }
    for (const std::string& name : entries.files) {
        if (isTemporaryName(name)) {
            // One that cannot be removed only costs a hidden file; the run's own temporary
            // names carry its own process id and are cleared before use.
            (void)removeFile(join(folder, name));
        }
    }
}

std::string FileSystem::temporaryPathFor(const std::string& path) {
    const std::size_t cut = lastSeparator(path);
    const std::string folder = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    return folder + kTemporaryPrefix + name + "." + std::to_string(::getpid()) + kTemporarySuffix;
}

std::string FileSystem::join(const std::string& folder, const std::string& name) {
    return folder + separator() + name;
}

char FileSystem::separator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

}  // namespace veltrano
