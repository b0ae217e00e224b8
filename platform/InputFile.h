#pragma once

#include <cstddef>
#include <string>

#include "platform/FileDescriptor.h"
#include "platform/IoResult.h"

namespace veltrano {

// A file open for sequential reading in blocks. Closed by its destructor, so no file stays
// open when a step ends early.
class InputFile {
  public:
    InputFile() = default;
    virtual ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    IoResult open(const std::string& path);
    // Reads `capacity` bytes, fewer only at the end of the file; `got` is 0 only there.
    virtual IoResult read(char* buffer, std::size_t capacity, std::size_t& got);
    void close();

  protected:
    // One system call's worth of read(): the count of bytes read, which may be fewer than
    // `capacity` and is 0 at the end of the file, or -1 with errno set.
    virtual long long readSome(char* buffer, std::size_t capacity);

  private:
    FileDescriptor m_descriptor;
};

}  // namespace veltrano
