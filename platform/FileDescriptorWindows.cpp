// Files opened, read, written and closed through the C runtime's descriptors of Windows.
// _commit() is FlushFileBuffers on the file's handle.

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <algorithm>
#include <utility>

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"

namespace veltrano {

namespace {

// The runtime's calls take an unsigned count; larger transfers go in several calls.
constexpr std::size_t kLargestTransfer = std::size_t{1} << 30;

unsigned transferSize(std::size_t size) {
    return static_cast<unsigned>(std::min(size, kLargestTransfer));
}

// The runtime stops the program on a closed descriptor where POSIX answers EBADF, so that is
// checked before each call.
bool isClosed(int descriptor) {
    if (descriptor < 0) {
        errno = EBADF;
        return true;
    }
    return false;
}

IoResult openDescriptor(const std::string& path, int flags, int permissions, int& descriptor) {
    // A narrow name would pass through the ANSI code page; the path is UTF-8.
    const int error = _wsopen_s(&descriptor, NativePath::wide(path).c_str(),
                                flags | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, permissions);
    return error == 0 ? IoResult::success() : IoResult::fromErrno(error);
}

}  // namespace

IoResult FileDescriptor::openForReading(const std::string& path) {
    return openDescriptor(path, _O_RDONLY, 0, m_descriptor);
}

// Windows keeps no permission bits, only a read-only attribute: a file made after a read-only
// model is read-only too (the descriptor opened here may still write it).
IoResult FileDescriptor::createExclusive(const std::string& path, const std::string& modelPath) {
    struct _stat64 model {};
    const bool readOnly = !modelPath.empty() &&
                          _wstat64(NativePath::wide(modelPath).c_str(), &model) == 0 &&
                          (model.st_mode & _S_IWRITE) == 0;
    return openDescriptor(path, _O_CREAT | _O_EXCL | _O_WRONLY,
                          readOnly ? _S_IREAD : _S_IREAD | _S_IWRITE, m_descriptor);
}

long long FileDescriptor::readSome(char* buffer, std::size_t capacity) {
    return isClosed(m_descriptor) ? -1 : _read(m_descriptor, buffer, transferSize(capacity));
}

long long FileDescriptor::writeSome(const char* data, std::size_t size) {
    return isClosed(m_descriptor) ? -1 : _write(m_descriptor, data, transferSize(size));
}

int FileDescriptor::syncToDisk() {
    return isClosed(m_descriptor) ? -1 : _commit(m_descriptor);
}

int FileDescriptor::close() {
    const int descriptor = std::exchange(m_descriptor, -1);
    return isClosed(descriptor) ? -1 : _close(descriptor);
}

}  // namespace veltrano
