#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

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
    // Reads up to `capacity` bytes; `got` is 0 only at the end of the file.
    virtual IoResult read(char* buffer, std::size_t capacity, std::size_t& got);
    void close();

  private:
    std::FILE* m_file = nullptr;
};

}  // namespace veltrano
