#include "platform/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>

#ifdef _WIN32
#include "platform/NativePath.h"
#endif

namespace veltrano {

namespace {

#ifdef _WIN32

// Windows keeps no permission bits, only a read-only attribute: a file made after a read-only
// model is read-only too (the descriptor opened here may still write it).
IoResult createExclusive(const std::string& path, const std::string& modelPath, int& descriptor) {
    struct _stat64 model {};
    const bool readOnly = !modelPath.empty() &&
                          _wstat64(NativePath::wide(modelPath).c_str(), &model) == 0 &&
                          (model.st_mode & _S_IWRITE) == 0;
    const int error = _wsopen_s(&descriptor, NativePath::wide(path).c_str(),
                                _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT,
                                _SH_DENYNO, readOnly ? _S_IREAD : _S_IREAD | _S_IWRITE);
    return error == 0 ? IoResult::success() : IoResult::fromErrno(error);
}

// The C runtime's descriptors; _commit() is FlushFileBuffers on the file's handle. The runtime
// stops the program on a closed descriptor where POSIX answers EBADF, so that is checked here.
bool isClosed(int descriptor) {
    if (descriptor < 0) {
        errno = EBADF;
        return true;
    }
    return false;
}

long long systemWrite(int descriptor, const char* data, std::size_t size) {
    constexpr std::size_t kLargestWrite = std::size_t{1} << 30;
    return isClosed(descriptor)
               ? -1
               : _write(descriptor, data, static_cast<unsigned>(std::min(size, kLargestWrite)));
}

int syncToDisk(int descriptor) {
    return isClosed(descriptor) ? -1 : _commit(descriptor);
}

int closeDescriptor(int descriptor) {
    return isClosed(descriptor) ? -1 : _close(descriptor);
}

#else

long long systemWrite(int descriptor, const char* data, std::size_t size) {
    return ::write(descriptor, data, size);
}

int syncToDisk(int descriptor) {
    return ::fsync(descriptor);
}

int closeDescriptor(int descriptor) {
    return ::close(descriptor);
}

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

#endif

}  // namespace

OutputFile::~OutputFile() {
    if (m_descriptor >= 0) {
        closeDescriptor(m_descriptor);
    }
}

IoResult OutputFile::create(const std::string& path, const std::string& modelPath) {
    if (m_descriptor != -1) {
        return IoResult::fromErrno(EBUSY);
    }
#ifdef _WIN32
    return createExclusive(path, modelPath, m_descriptor);
#else
    struct stat model {};
    const bool hasModel = !modelPath.empty() && ::stat(modelPath.c_str(), &model) == 0;
    const mode_t mode = hasModel ? (model.st_mode & 07777) : 0666;
    int descriptor{};
    do {
        descriptor = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode & 0666);
    } while (descriptor < 0 && errno == EINTR);
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
#endif
}

IoResult OutputFile::write(const char* data, std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        const long long count = writeSome(data + written, size - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return IoResult::fromErrno(errno);
        }
        // A system that takes nothing and names no error would be asked again for ever; it
        // is taken for a full disk.
        if (count == 0) {
            return IoResult::fromErrno(ENOSPC);
        }
        written += static_cast<std::size_t>(count);
    }
    return IoResult::success();
}

long long OutputFile::writeSome(const char* data, std::size_t size) {
    return systemWrite(m_descriptor, data, size);
}

IoResult OutputFile::flush() {
    while (syncToDisk(m_descriptor) != 0) {
        if (errno != EINTR) {
            return IoResult::fromErrno(errno);
        }
    }
    return IoResult::success();
}

IoResult OutputFile::close() {
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    // After a failed close(2) the descriptor is gone all the same; it must not be retried.
    if (closeDescriptor(descriptor) != 0) {
        return IoResult::fromErrno(errno);
    }
    return IoResult::success();
}

}  // namespace veltrano
