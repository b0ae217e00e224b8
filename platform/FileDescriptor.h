#pragma once

#include <cerrno>
#include <cstddef>
#include <string>

#include "platform/IoResult.h"

namespace veltrano {

// An open file as the C runtime hands it out: the one kind of handle InputFile and OutputFile
// read and write through. Closed without reporting when it goes. The system calls answer as
// POSIX's do: a count or 0, or -1 with errno set (EBADF once closed).
class FileDescriptor {
  public:
    FileDescriptor() = default;
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool isOpen() const { return m_descriptor >= 0; }

    // Opens the existing `path` for reading.
    IoResult openForReading(const std::string& path);
    // Creates `path`, which must not exist yet, for writing. When the file `modelPath` exists,
    // the new file gets its permission bits, which the umask must not narrow, and, as far as
    // this process may give it, its owner.
    IoResult createExclusive(const std::string& path, const std::string& modelPath);

    long long readSome(char* buffer, std::size_t capacity);
    long long writeSome(const char* data, std::size_t size);
    int syncToDisk();
    // The descriptor is released even when the system reports an error, so it is never
    // closed twice.
    int close();

    // Makes `call` (a system call answering -1 with errno set) again for as long as a signal
    // interrupts it before it did anything.
    template <typename Call>
    static auto retryOnInterrupt(Call call) {
        for (;;) {
            const auto result = call();
            if (!(result < 0 && errno == EINTR)) {
                return result;
            }
        }
    }

  private:
    int m_descriptor = -1;
};

}  // namespace veltrano
