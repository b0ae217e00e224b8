// POSIX takes a path as the bytes the program holds: UTF-8 passes through unchanged.

#include "platform/NativePath.h"

namespace veltrano {

std::filesystem::path NativePath::of(const std::string& utf8Path) {
    return std::filesystem::path(utf8Path);
}

std::string NativePath::utf8(const std::filesystem::path& path) {
    return path.string();
}

}  // namespace veltrano
