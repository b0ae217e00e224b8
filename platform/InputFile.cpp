#include "platform/InputFile.h"

#include <cerrno>

namespace veltrano {

InputFile::~InputFile() {
    close();
}

IoResult InputFile::open(const std::string& path) {
    close();
    errno = 0;
    m_file = std::fopen(path.c_str(), "rb");
    if (m_file == nullptr) {
        return IoResult::fromErrno(errno != 0 ? errno : ENOENT);
    }
    return IoResult::success();
}

IoResult InputFile::read(char* buffer, std::size_t capacity, std::size_t& got) {
    got = 0;
    if (m_file == nullptr) {
        return IoResult::fromErrno(EBADF);
    }
    errno = 0;
    got = std::fread(buffer, 1, capacity, m_file);
    if (got < capacity && std::ferror(m_file) != 0) {
        // fread leaves errno set by the failed read(2); EIO when the C library did not.
        return IoResult::fromErrno(errno != 0 ? errno : EIO);
    }
    return IoResult::success();
}

void InputFile::close() {
    if (m_file != nullptr) {
        // Nothing was written, so a failing fclose cannot lose data.
        std::fclose(m_file);
        m_file = nullptr;
    }
}

}  // namespace veltrano
