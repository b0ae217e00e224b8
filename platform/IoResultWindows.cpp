// Error texts of Windows: the C runtime's for errno values, the system's for its own codes.

#include <windows.h>

#include <cstring>
#include <string>

#include "platform/IoResult.h"
#include "platform/IoResultNative.h"
#include "platform/NativePath.h"

namespace veltrano {

namespace {

// Used when Windows has no English message texts installed: the causes a run can meet.
const char* fixedEnglishDescription(DWORD errorCode) {
    switch (errorCode) {
        case ERROR_FILE_NOT_FOUND:
            return "The system cannot find the file specified";
        case ERROR_PATH_NOT_FOUND:
            return "The system cannot find the path specified";
        case ERROR_ACCESS_DENIED:
            return "Access is denied";
        case ERROR_SHARING_VIOLATION:
            return "The process cannot access the file because it is being used by another "
                   "process";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return "There is not enough space on the disk";
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return "The file exists";
        case ERROR_WRITE_PROTECT:
            return "The media is write protected";
        default:
            return nullptr;
    }
}

// The system's own message in US English, without its closing period and line end: protocol
// lines go on after the cause.
std::string systemEnglishMessage(DWORD errorCode) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, errorCode, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message = length > 0 ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    return NativePath::narrow(message);
}

}  // namespace

namespace native {

// The C runtime of Windows has only English texts.
const char* englishDescription(int errorNumber) {
    return std::strerror(errorNumber);
}

}  // namespace native

IoResult IoResult::fromWindowsError(unsigned long errorCode) {
    std::string message = systemEnglishMessage(errorCode);
    if (message.empty()) {
        const char* fixed = fixedEnglishDescription(errorCode);
        message = fixed != nullptr ? fixed : "Operating system error " + std::to_string(errorCode);
    }
    return failure(message);
}

}  // namespace veltrano
