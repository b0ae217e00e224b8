// The standard streams on POSIX systems: they carry bytes as written.

#include <unistd.h>

#include "platform/Terminal.h"

namespace veltrano {

bool Terminal::standardErrorIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

void Terminal::prepareOutput() {}

}  // namespace veltrano
