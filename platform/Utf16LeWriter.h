#pragma once

#include <string>
#include <string_view>

#include "platform/IoResult.h"
#include "platform/OutputFile.h"

namespace veltrano {

// Writes text into a new file in the form track files are written back in: the byte-order
// mark FF FE, then the text as UTF-16LE. The text may come in pieces of any size; it goes out
// in large blocks, so a file of any size costs one block of memory and few system calls.
class Utf16LeWriter {
  public:
    explicit Utf16LeWriter(OutputFile& file);

    // After the first failure every call returns that failure and writes nothing more.
    IoResult append(std::u16string_view text);
    // Writes what is still held back; the file's flush and close remain the caller's.
    IoResult finish();

  private:
    IoResult writeBlock();

    OutputFile& m_file;
    std::string m_block;
    IoResult m_result = IoResult::success();
};

}  // namespace veltrano
