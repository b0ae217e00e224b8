#include "platform/FileDescriptor.h"

namespace veltrano {

FileDescriptor::~FileDescriptor() {
    if (isOpen()) {
        (void)close();
    }
}

}  // namespace veltrano
