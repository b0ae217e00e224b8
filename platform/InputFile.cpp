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
    while (got < capacity) {
        const long long count = readSome(buffer + got, capacity - got);
        // A signal that came during the read took nothing from the file; it is read on.
        if (count < 0 && errno == EINTR) {
            continue;
        }
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
    errno = 0;
    const std::size_t count = std::fread(buffer, 1, capacity, m_file);
    if (std::ferror(m_file) == 0) {
        return static_cast<long long>(count);
    }
    // fread leaves errno set by the failed read(2); EIO when the C library did not.
    const int error = errno != 0 ? errno : EIO;
    // Cleared, so that the read after an interruption is not refused for the old error; an
    // error that lasts comes again on that read.
    std::clearerr(m_file);
    if (count > 0) {
        return static_cast<long long>(count);
    }
    errno = error;
    return -1;
}

void InputFile::close() {
    if (m_file != nullptr) {
        // Nothing was written, so a failing fclose cannot lose data.
        std::fclose(m_file);
        m_file = nullptr;
    }
}

}  // namespace veltrano
