#pragma once

#include <optional>
#include <string>
#include <vector>

// What CommandLine does each operating system's own way, for CommandLine.cpp alone. The build
// compiles one of CommandLinePosix.cpp and CommandLineWindows.cpp.
namespace veltrano::native {

// The arguments as UTF-8, without the program name, taken from the system where main()'s
// would lose characters; nothing where main()'s are already that text.
std::optional<std::vector<std::string>> systemArguments();

}  // namespace veltrano::native
