#pragma once

#include <QString>

#include "version.h"

namespace veltrano {

// "Tq© V " and the program's own version, as the window captions carry it.
inline QString versionLabel() {
    return QString::fromUtf16(u"Tq\u00a9 V ") + QString::number(version::kMajor) + u'.' +
           QString::number(version::kMinor) + u'.' + QString::number(version::kRevision);
}

}  // namespace veltrano
