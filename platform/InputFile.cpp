#include "platform/InputFile.h"

#include <cerrno>

namespace veltrano {

InputFile::~InputFile() {
    close();
}

IoResult InputFile::open(const std::string& path) {
    close();
    return m_descriptor.openForReading(path);
}

IoResult InputFile::read(char* buffer, std::size_t capacity, std::size_t& got) {
    got = 0;
    if (!m_descriptor.isOpen()) {
        return IoResult::fromErrno(EBADF);
    }
    while (got < capacity) {
        const long long count = FileDescriptor::retryOnInterrupt(
            [&] { return readSome(buffer + got, capacity - got); });
        if (count < 0) {
            return IoResult::fromErrno(errno);
        }
        if (count == 0) {
            break;
        }
        got += static_cast<std::size_t>(count);
    }
    return IoResult::success();
}

long long InputFile::readSome(char* buffer, std::size_t capacity) {
    return m_descriptor.readSome(buffer, capacity);
}

void InputFile::close() {
    if (m_descriptor.isOpen()) {
        // Nothing was written, so a failing close cannot lose data.
        (void)m_descriptor.close();
    }
}

}  // namespace veltrano
