#include "platform/IoResult.h"

#include <cstring>
#include <string>

namespace veltrano {

namespace {

// strerror() follows LC_MESSAGES, but protocol lines quote the cause in English whatever
// language the user's desktop speaks; glibc keeps the untranslated texts apart.
const char* englishDescription(int errorNumber) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    return strerrordesc_np(errorNumber);
#elif defined(_WIN32)
    // The C runtime of Windows has only English texts.
    return std::strerror(errorNumber);
#else
    (void)errorNumber;
    return nullptr;
#endif
}

}  // namespace

IoResult IoResult::fromErrno(int errorNumber) {
    const char* description = englishDescription(errorNumber);
    if (description == nullptr || *description == '\0') {
        return failure("Operating system error " + std::to_string(errorNumber));
    }
    return failure(description);
}

}  // namespace veltrano
