// The primitives of the file service that POSIX systems do their own way.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/FileDescriptor.h"
#include "platform/FileSystem.h"
#include "platform/FileSystemNative.h"

namespace veltrano {

namespace fs = std::filesystem;

namespace {

// More link hops than this while resolving a path means a loop.
constexpr int kMaxLinkHops = 40;

}  // namespace

namespace native {

IoResult systemError(int value) {
    return IoResult::fromErrno(value);
}

// A link at the end that points at nothing existing is followed by hand, since
// weakly_canonical() leaves it in place.
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

std::string storedName(const std::string& path, const std::string& name) {
    (void)path;
    return name;
}

long processId() {
    return ::getpid();
}

std::size_t lastSeparator(const std::string& path) {
    return path.rfind('/');
}

}  // namespace native

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

IoResult FileSystem::renameOver(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return IoResult::fromErrno(errno);
    }
    // The new entry must reach the disk too. The data was flushed before the rename and the
    // new name is already in place, so a failure here cannot be reported as "file left
    // unchanged"; it is left as the file system's to recover.
    std::string folder = fs::path(to).parent_path().string();
    (void)FileSystem::flushFolder(folder.empty() ? "." : folder);
    return IoResult::success();
}

IoResult FileSystem::flushFolder(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return IoResult::fromErrno(errno);
    }
    const IoResult synced =
        FileDescriptor::retryOnInterrupt([descriptor] { return ::fsync(descriptor); }) == 0
            ? IoResult::success()
            : IoResult::fromErrno(errno);
    ::close(descriptor);
    return synced;
}

IoResult FileSystem::removeFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        return IoResult::fromErrno(errno);
    }
    return IoResult::success();
}

char FileSystem::separator() {
    return '/';
}

}  // namespace veltrano
