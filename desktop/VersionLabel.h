#pragma once

#include <string>

#include "version.h"

namespace veltrano {

// "Tq© V " and the program's own version, as the window captions carry it.
inline std::u16string versionLabel() {
    std::u16string label = u"Tq\u00a9 V ";
    for (const int part : {version::kMajor, version::kMinor, version::kRevision}) {
        if (label.back() != u' ') {
            label += u'.';
        }
        for (const char digit : std::to_string(part)) {
            label += static_cast<char16_t>(digit);
        }
    }
    return label;
}

}  // namespace veltrano
