#include "platform/OutputFile.h"

#include <cerrno>

namespace veltrano {

// The descriptor closes itself, without reporting.
OutputFile::~OutputFile() = default;

IoResult OutputFile::create(const std::string& path, const std::string& modelPath) {
    if (m_descriptor.isOpen()) {
        return IoResult::fromErrno(EBUSY);
    }
    return m_descriptor.createExclusive(path, modelPath);
}

IoResult OutputFile::write(const char* data, std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        const long long count = FileDescriptor::retryOnInterrupt(
            [&] { return writeSome(data + written, size - written); });
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
    return m_descriptor.writeSome(data, size);
}

IoResult OutputFile::flush() {
    if (FileDescriptor::retryOnInterrupt([this] { return m_descriptor.syncToDisk(); }) != 0) {
        return IoResult::fromErrno(errno);
    }
    return IoResult::success();
}

IoResult OutputFile::close() {
    if (m_descriptor.close() != 0) {
        return IoResult::fromErrno(errno);
    }
    return IoResult::success();
}

}  // namespace veltrano
