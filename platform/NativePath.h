#pragma once

#include <filesystem>
#include <string>

namespace veltrano {

// Paths as the program holds them (UTF-8 text) and as the operating system takes them. On
// POSIX both are the same bytes. Windows takes UTF-16: a narrow path would reach it through
// the ANSI code page and lose every character outside that page.
class NativePath {
  public:
    static std::filesystem::path of(const std::string& utf8Path);
    static std::string utf8(const std::filesystem::path& path);

    // UTF-8 to UTF-16 and back, for the Windows build's calls of the wide API; only that
    // build defines them.
    static std::wstring wide(const std::string& utf8Text);
    static std::string narrow(const std::wstring& wideText);
};

}  // namespace veltrano
