#include "platform/FileSystem.h"

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/NativePath.h"
#include "platform/TextCodec.h"

namespace veltrano {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kReadBlockSize = 64 * 1024;
// Large enough that a copy of a track file takes few system calls, small enough to stay in
// the processor's cache between the read and the write.
constexpr std::size_t kCopyBlockSize = 1024 * 1024;
constexpr bool kLittleEndian = std::endian::native == std::endian::little;
constexpr char kTemporaryPrefix[] = ".veltrano-";
constexpr char kTemporarySuffix[] = ".tmp";
#ifndef _WIN32
// More link hops than this while resolving a path means a loop.
constexpr int kMaxLinkHops = 40;
#endif

IoResult fromErrorCode(const std::error_code& error) {
#ifdef _WIN32
    // There the system category carries Windows error codes, not errno values.
    if (error.category() == std::system_category()) {
        return IoResult::fromWindowsError(static_cast<unsigned long>(error.value()));
    }
#endif
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

#ifndef _WIN32
IoResult syncToDisk(int descriptor) {
    while (::fsync(descriptor) != 0) {
        if (errno != EINTR) {
            return IoResult::fromErrno(errno);
        }
    }
    return IoResult::success();
}
#endif

// Writes, flushes and closes a freshly created file; the first failure counts.
IoResult fillNewFile(OutputFile& file, const ContentWriter& content) {
    IoResult result = content(file);
    if (result) {
        result = file.flush();
    }
    // close() can report a delayed write error; it counts like any other.
    IoResult closed = file.close();
    return result ? closed : result;
}

#ifndef _WIN32
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
#endif

#ifdef _WIN32

// The path as the system sees it with every link, junction and mount point followed; empty
// when it cannot be opened.
std::wstring finalPathOf(const fs::path& path) {
    const HANDLE handle =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::wstring result(GetFinalPathNameByHandleW(handle, nullptr, 0, FILE_NAME_NORMALIZED), L'\0');
    const DWORD length = GetFinalPathNameByHandleW(
        handle, result.data(), static_cast<DWORD>(result.size()), FILE_NAME_NORMALIZED);
    CloseHandle(handle);
    result.resize(length < result.size() ? length : 0);
    return result;
}

bool isReparsePoint(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// The path with every link followed as far as it exists. What does not exist yet cannot lead
// anywhere, except a dangling link, which is not trusted.
fs::path resolvedPath(const std::string& path, std::error_code& error) {
    fs::path existing = fs::absolute(NativePath::of(path), error).lexically_normal();
    fs::path rest;
    while (!error) {
        const std::wstring resolved = finalPathOf(existing);
        if (!resolved.empty()) {
            return rest.empty() ? fs::path(resolved) : fs::path(resolved) / rest;
        }
        if (isReparsePoint(existing) || !existing.has_relative_path()) {
            error = std::make_error_code(std::errc::no_such_file_or_directory);
            break;
        }
        rest = rest.empty() ? existing.filename() : existing.filename() / rest;
        existing = existing.parent_path();
    }
    return {};
}

#else

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

#endif

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

#ifdef _WIN32

// MoveFileExW replaces in one step like rename(2); write-through makes the new entry durable
// before it returns. A read-only target refuses to be replaced, so its attribute is lifted for
// the step (the new file brings its own) and put back when the step fails.
IoResult moveOver(const std::string& from, const std::string& to) {
    const std::wstring target = NativePath::wide(to);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool readOnly =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly) {
        SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    if (MoveFileExW(NativePath::wide(from).c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return IoResult::success();
    }
    const DWORD error = GetLastError();
    if (readOnly) {
        SetFileAttributesW(target.c_str(), attributes);
    }
    return IoResult::fromWindowsError(error);
}

// DeleteFileW refuses a read-only file, which unlink(2) removes; removing is always meant here.
IoResult deleteFile(const std::string& path) {
    const std::wstring file = NativePath::wide(path);
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetFileAttributesW(file.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    if (DeleteFileW(file.c_str())) {
        return IoResult::success();
    }
    return IoResult::fromWindowsError(GetLastError());
}

#endif

// The name `path` has in its folder. Windows finds "MyRoute.tdb" as "MYROUTE.TDB" too, but a
// file written back keeps the name it has, so the stored one is asked for there.
std::string storedName(const std::string& path, const std::string& name) {
#ifdef _WIN32
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(NativePath::wide(path).c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        return NativePath::narrow(found.cFileName);
    }
#else
    (void)path;
#endif
    return name;
}

long processId() {
#ifdef _WIN32
    return _getpid();
#else
    return ::getpid();
#endif
}

std::size_t lastSeparator(const std::string& path) {
#ifdef _WIN32
    return path.find_last_of("/\\");
#else
    return path.rfind('/');
#endif
}

// Writes `content` to the temporary file beside `target` and renames it over `target`; the
// temporary file is gone afterwards whatever happened.
IoResult writeBeside(FileSystem& fileSystem, const std::string& target,
                     const ContentWriter& content, const std::string& permissionsFrom) {
    const std::string temporary = FileSystem::temporaryPathFor(target);
    if (fileSystem.fileExists(temporary)) {
        IoResult removed = fileSystem.removeFile(temporary);
        if (!removed) {
            return removed;
        }
    }
    IoResult written = fileSystem.writeNewFile(temporary, content, permissionsFrom);
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

// Reads until `capacity` bytes are in or the file ends; `got` is less only at the end.
IoResult readAtMost(InputFile& file, char* buffer, std::size_t capacity, std::size_t& got) {
    got = 0;
    std::size_t piece = 0;
    do {
        IoResult result = file.read(buffer + got, capacity - got, piece);
        if (!result) {
            return result;
        }
        got += piece;
    } while (piece > 0 && got < capacity);
    return IoResult::success();
}

// The size the file has now, or 0 when it cannot be told; only a hint for reserving room.
std::size_t sizeHint(const std::string& path) {
    std::error_code ignored;
    const std::uintmax_t size = fs::file_size(NativePath::of(path), ignored);
    return ignored ? 0 : static_cast<std::size_t>(size);
}

// Appends the rest of `file` to `bytes`; on failure `bytes` is empty.
IoResult readRest(InputFile& file, const std::string& path, std::string& bytes) {
    // Room for the last, empty read too: growing past the size would copy the whole file.
    bytes.reserve(sizeHint(path) + kReadBlockSize);
    std::size_t got = 0;
    IoResult result = IoResult::success();
    do {
        const std::size_t start = bytes.size();
        bytes.resize(start + kReadBlockSize);
        result = file.read(bytes.data() + start, kReadBlockSize, got);
        bytes.resize(start + (result ? got : 0));
    } while (result && got > 0);
    if (!result) {
        bytes.clear();
    }
    return result;
}

bool isUtf16LeMark(const char (&mark)[2]) {
    return static_cast<unsigned char>(mark[0]) == 0xFF &&
           static_cast<unsigned char>(mark[1]) == 0xFE;
}

// The rest of a UTF-16LE file read into `text` as it is, its code units being the bytes in
// this machine's order; an odd last byte is dropped, as decoding would drop it.
IoResult readUtf16LeRest(InputFile& file, const std::string& path, std::u16string& text) {
    constexpr std::size_t kBlockUnits = kReadBlockSize / 2;
    const std::size_t expected = sizeHint(path);
    text.reserve((expected > 2 ? (expected - 2) / 2 : 0) + kBlockUnits + 1);
    std::size_t bytes = 0;
    std::size_t got = 0;
    IoResult result = IoResult::success();
    do {
        // Blocks start on the byte after the last one read, which may be the middle of a unit.
        text.resize(bytes / 2 + kBlockUnits + 1);
        result = file.read(reinterpret_cast<char*>(text.data()) + bytes, kReadBlockSize, got);
        bytes += result ? got : 0;
    } while (result && got > 0);
    text.resize(result ? bytes / 2 : 0);
    return result;
}

// Copies the rest of `input` into `output` through one block-sized buffer.
IoResult copyThrough(InputFile& input, OutputFile& output) {
    std::vector<char> buffer(kCopyBlockSize);
    std::size_t got = 0;
    do {
        IoResult result = input.read(buffer.data(), buffer.size(), got);
        if (result && got > 0) {
            result = output.write(buffer.data(), got);
        }
        if (!result) {
            return result;
        }
    } while (got > 0);
    return IoResult::success();
}

}  // namespace

bool FileSystem::folderExists(const std::string& path) {
    std::error_code ignored;
    return fs::is_directory(NativePath::of(path), ignored);
}

bool FileSystem::fileExists(const std::string& path) {
    std::error_code ignored;
    return fs::is_regular_file(NativePath::of(path), ignored);
}

IoResult FileSystem::listFolder(const std::string& path, FolderEntries& entries) {
    entries = FolderEntries{};
    std::error_code error;
    fs::directory_iterator it(NativePath::of(path), error);
    // Anything that is neither (sockets, dangling links) cannot be a route file or folder.
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = NativePath::utf8(it->path().filename());
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
    if (result) {
        result = readRest(*file, path, bytes);
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
#ifdef _WIN32
    if (CreateDirectoryW(NativePath::wide(path).c_str(), nullptr)) {
        return IoResult::success();
    }
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS && folderExists(path)) {
        return IoResult::success();
    }
    return IoResult::fromWindowsError(error);
#else
    if (::mkdir(path.c_str(), 0777) == 0) {
        return IoResult::success();
    }
    const int error = errno;
    // The wanted state already holds; only a file in the folder's place is a failure.
    if (error == EEXIST && folderExists(path)) {
        return IoResult::success();
    }
    return IoResult::fromErrno(error);
#endif
}

IoResult FileSystem::createFile(const std::string& path, const std::string& permissionsFrom,
                                std::unique_ptr<OutputFile>& file) {
    auto created = std::make_unique<OutputFile>();
    IoResult result = created->create(path, permissionsFrom);
    file = result ? std::move(created) : nullptr;
    return result;
}

IoResult FileSystem::writeNewFile(const std::string& path, const ContentWriter& content,
                                  const std::string& permissionsFrom) {
    std::unique_ptr<OutputFile> file;
    IoResult result = createFile(path, permissionsFrom, file);
    if (!result) {
        return result;
    }
    result = fillNewFile(*file, content);
    file.reset();
    if (!result) {
        // Half a file must never stay behind under a name a later step could take for whole.
        (void)removeFile(path);
    }
    return result;
}

IoResult FileSystem::renameOver(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return moveOver(from, to);
#else
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return IoResult::fromErrno(errno);
    }
    syncFolderOf(to);
    return IoResult::success();
#endif
}

IoResult FileSystem::removeFile(const std::string& path) {
#ifdef _WIN32
    return deleteFile(path);
#else
    if (::unlink(path.c_str()) != 0) {
        return IoResult::fromErrno(errno);
    }
    return IoResult::success();
#endif
}

IoResult FileSystem::flushFolder(const std::string& path) {
#ifdef _WIN32
    // Windows has no call that flushes a folder's entries. The renames that follow write
    // through, and the volume commits its metadata log in order, so the new entry reaches the
    // disk no later than they do.
    (void)path;
    return IoResult::success();
#else
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return IoResult::fromErrno(errno);
    }
    const IoResult synced = syncToDisk(descriptor);
    ::close(descriptor);
    return synced;
#endif
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

IoResult FileSystem::replaceFile(const std::string& path, std::string_view bytes) {
    return writeBeside(*this, path, contentOf(bytes), path);
}

IoResult FileSystem::replaceFile(const std::string& path, const ContentWriter& content) {
    return writeBeside(*this, path, content, path);
}

IoResult FileSystem::copyFile(const std::string& source, const std::string& destination) {
    std::unique_ptr<InputFile> input;
    IoResult opened = openInput(source, input);
    if (!opened) {
        return opened;
    }
    return writeBeside(
        *this, destination, [&input](OutputFile& output) { return copyThrough(*input, output); },
        source);
}

IoResult FileSystem::readText(const std::string& path, std::u16string& text) {
    text.clear();
    std::unique_ptr<InputFile> file;
    IoResult result = openInput(path, file);
    if (!result) {
        return result;
    }
    // The first two bytes tell whether the rest can go straight into the text.
    char mark[2] = {};
    std::size_t marked = 0;
    result = readAtMost(*file, mark, sizeof mark, marked);
    if (result && marked == sizeof mark && isUtf16LeMark(mark) && kLittleEndian) {
        return readUtf16LeRest(*file, path, text);
    }
    std::string bytes(mark, marked);
    if (result) {
        result = readRest(*file, path, bytes);
    }
    if (result) {
        text = TextCodec::decodeWholeFile(bytes);
    }
    return result;
}

ContentWriter FileSystem::contentOf(std::string_view bytes) {
    return [bytes](OutputFile& file) { return file.write(bytes.data(), bytes.size()); };
}

std::string FileSystem::resolvePath(const std::string& folder, const std::string& name) {
    const std::string onDisk = findEntry(folder, name);
    return join(folder, onDisk.empty() ? name : onDisk);
}

std::string FileSystem::findEntry(const std::string& folder, const std::string& name) {
    const std::string exact = join(folder, name);
    if (fileExists(exact) || folderExists(exact)) {
        return storedName(exact, name);
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
    return folder + kTemporaryPrefix + name + "." + std::to_string(processId()) + kTemporarySuffix;
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
