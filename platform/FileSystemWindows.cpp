// The primitives of the file service that Windows does its own way. Paths are UTF-8 and are
// handed to the wide (UTF-16) API.

#include <process.h>
#include <windows.h>

#include <filesystem>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/FileSystemNative.h"
#include "platform/NativePath.h"

namespace veltrano {

namespace fs = std::filesystem;

namespace {

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

}  // namespace

namespace native {

IoResult systemError(int value) {
    // Here the system category carries Windows error codes, not errno values.
    return IoResult::fromWindowsError(static_cast<unsigned long>(value));
}

// What does not exist yet cannot lead anywhere, except a dangling link, which is not trusted.
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

// Windows finds "MyRoute.tdb" as "MYROUTE.TDB" too, but a file written back keeps the name it
// has, so the stored one is asked for.
std::string storedName(const std::string& path, const std::string& name) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(NativePath::wide(path).c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        return NativePath::narrow(found.cFileName);
    }
    return name;
}

long processId() {
    return _getpid();
}

std::size_t lastSeparator(const std::string& path) {
    return path.find_last_of("/\\");
}

}  // namespace native

IoResult FileSystem::createFolder(const std::string& path) {
    if (CreateDirectoryW(NativePath::wide(path).c_str(), nullptr)) {
        return IoResult::success();
    }
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS && folderExists(path)) {
        return IoResult::success();
    }
    return IoResult::fromWindowsError(error);
}

// MoveFileExW replaces in one step like rename(2); write-through makes the new entry durable
// before it returns. A read-only target refuses to be replaced, so its attribute is lifted for
// the step (the new file brings its own) and put back when the step fails.
IoResult FileSystem::renameOver(const std::string& from, const std::string& to) {
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
IoResult FileSystem::removeFile(const std::string& path) {
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

IoResult FileSystem::flushFolder(const std::string& path) {
    // Windows has no call that flushes a folder's entries. The renames that follow write
    // through, and the volume commits its metadata log in order, so the new entry reaches the
    // disk no later than they do.
    (void)path;
    return IoResult::success();
}

char FileSystem::separator() {
    return '\\';
}

}  // namespace veltrano
