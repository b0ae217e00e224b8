// Files opened, read, written and closed through POSIX descriptors.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "platform/FileDescriptor.h"

namespace veltrano {

namespace {

// Gives the file its wanted permission bits: open() applied the umask, and that must not
// narrow them. A file system without permission bits (FAT) refuses chmod but already shows
// the same bits for every file, so only a real difference counts as failure.
IoResult applyPermissions(int descriptor, mode_t wanted) {
    if (::fchmod(descriptor, wanted) == 0) {
        return IoResult::success();
    }
    const int chmodError = errno;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && (status.st_mode & 07777) == wanted) {
        return IoResult::success();
    }
    return IoResult::fromErrno(chmodError);
}

}  // namespace

IoResult FileDescriptor::openForReading(const std::string& path) {
    const int descriptor =
        retryOnInterrupt([&path] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); });
    if (descriptor < 0) {
        return IoResult::fromErrno(errno);
    }
    m_descriptor = descriptor;
    return IoResult::success();
}

IoResult FileDescriptor::createExclusive(const std::string& path, const std::string& modelPath) {
    struct stat model {};
    const bool hasModel = !modelPath.empty() && ::stat(modelPath.c_str(), &model) == 0;
    const mode_t mode = hasModel ? (model.st_mode & 07777) : 0666;
    const int descriptor = retryOnInterrupt([&path, mode] {
        return ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode & 0666);
    });
    if (descriptor < 0) {
        return IoResult::fromErrno(errno);
    }
    if (hasModel) {
        // A route replaced by a run as root must stay its builder's: without this the new
        // track file would belong to root and be read-only to him. Only root may give a file
        // away, so elsewhere this fails and the file is the runner's, as any new one.
        (void)::fchown(descriptor, model.st_uid, model.st_gid);
        // After fchown, since a change of owner clears set-id bits.
        IoResult applied = applyPermissions(descriptor, mode);
        if (!applied) {
            // The file was made here a moment ago and holds nothing yet.
            ::close(descriptor);
            ::unlink(path.c_str());
            return applied;
        }
    }
    m_descriptor = descriptor;
    return IoResult::success();
}

long long FileDescriptor::readSome(char* buffer, std::size_t capacity) {
    return ::read(m_descriptor, buffer, capacity);
}

long long FileDescriptor::writeSome(const char* data, std::size_t size) {
    return ::write(m_descriptor, data, size);
}

int FileDescriptor::syncToDisk() {
    return ::fsync(m_descriptor);
}

int FileDescriptor::close() {
    return ::close(std::exchange(m_descriptor, -1));
}

}  // namespace veltrano
