#pragma once

// What IoResult does each operating system's own way, for IoResult.cpp alone. The build
// compiles one of IoResultPosix.cpp and IoResultWindows.cpp.
namespace veltrano::native {

// The C library's text for an errno value in English, whatever the user's locale; nullptr
// where it has none.
const char* englishDescription(int errorNumber);

}  // namespace veltrano::native
