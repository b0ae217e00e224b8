#include "platform/InputFile.h"

#include <cerrno>

#ifdef _WIN32
#include "platform/NativePath.h"
#endif

namespace veltrano {

namespace {

std::FILE* openForReading(const std::string& path) {
#ifdef _WIN32
    // A narrow name would pass through the ANSI code page; the path is UTF-8.
    return _wfopen(NativePath::wide(path).c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

InputFile::~InputFile() {
    close();
}

IoResult InputFile::open(const std::string& path) {
    close();
    errno = 0;
    m_file = openForReading(path);
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
