#pragma once

#include <string>
#include <vector>

namespace veltrano {

// The program's arguments as UTF-8 text, without the program name.
class CommandLine {
  public:
    // POSIX hands them over as they are. Windows gives main() its arguments in the ANSI code
    // page, so a route folder named outside it would be lost: there they come from the
    // UTF-16 command line instead.
    static std::vector<std::string> arguments(int argc, char* argv[]);
};

}  // namespace veltrano
