// Error texts of POSIX systems.

#include <cstring>

#include "platform/IoResultNative.h"

namespace veltrano::native {

// strerror() follows LC_MESSAGES, but protocol lines quote the cause in English whatever
// language the user's desktop speaks; glibc keeps the untranslated texts apart.
const char* englishDescription(int errorNumber) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    return strerrordesc_np(errorNumber);
#else
    (void)errorNumber;
    return nullptr;
#endif
}

}  // namespace veltrano::native
