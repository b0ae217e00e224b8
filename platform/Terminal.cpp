#include "platform/Terminal.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace veltrano {

bool Terminal::isTerminal(int fileDescriptor) {
#ifdef _WIN32
    return _isatty(fileDescriptor) != 0;
#else
    return isatty(fileDescriptor) == 1;
#endif
}

}  // namespace veltrano
