#pragma once

#include <cstddef>
#include <string>

#include "platform/FileDescriptor.h"
#include "platform/IoResult.h"

namespace veltrano {

// A new file open for writing. FileSystem builds its writes from these steps, each virtual,
// so a test can make any one of them fail (create, write, flush to disk, close) on its own.
class OutputFile {
  public:
    OutputFile() = default;
    // Closes a file still open without reporting; a caller that cares calls close() itself.
    virtual ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates `path`, which must not exist yet. When the file `modelPath` exists, the new file
    // gets its permission bits, which the umask must not narrow, and, as far as this process
    // may give it, its owner; otherwise it is made as any new file.
    IoResult create(const std::string& path, const std::string& modelPath);
    // Writes all `size` bytes.
    virtual IoResult write(const char* data, std::size_t size);
    // Makes the written bytes durable on disk.
    virtual IoResult flush();
    // A delayed write error reported here counts like any other.
    virtual IoResult close();

  protected:
    // One system call's worth of write(): the count of bytes the system took, which may be
    // fewer than `size`, or -1 with errno set.
    virtual long long writeSome(const char* data, std::size_t size);

  private:
    FileDescriptor m_descriptor;
};

}  // namespace veltrano
