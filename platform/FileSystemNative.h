#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/IoResult.h"

// What FileSystem does each operating system's own way, for FileSystem.cpp alone. The build
// compiles one of FileSystemPosix.cpp and FileSystemWindows.cpp, which define these together
// with the primitives that differ (createFolder, renameOver, removeFile, separator).
namespace veltrano::native {

// A failure carried by std::system_category(): an errno value on POSIX, a Windows error
// code on Windows.
IoResult systemError(int value);

// `path` with every link followed as far as it exists; empty with `error` set when it
// cannot be resolved (a loop, a dangling link, no permission).
std::filesystem::path resolvedPath(const std::string& path, std::error_code& error);

// The name the existing `path` is stored under in its folder; `name` where the system finds
// files only under their exact name.
std::string storedName(const std::string& path, const std::string& name);

long processId();

// Position of the last folder separator in `path`, npos when there is none.
std::size_t lastSeparator(const std::string& path);

}  // namespace veltrano::native
