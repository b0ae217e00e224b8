#include "platform/IoResult.h"

#include <string>

#include "platform/IoResultNative.h"

namespace veltrano {

IoResult IoResult::fromErrno(int errorNumber) {
    const char* description = native::englishDescription(errorNumber);
    // The C library has no text for a number it does not know.
    if (description == nullptr) {
        return failure("Operating system error " + std::to_string(errorNumber));
    }
    return failure(description);
}

}  // namespace veltrano
