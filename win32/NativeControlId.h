#pragma once

#include <optional>

#include "desktop/ControlId.h"

namespace veltrano {

// The window id of a control: fixed per control name, so a control is found from outside the
// program too (GetDlgItem, the tests). The ids leave the numbers of the dialog commands below
// 100 (IDOK, IDCANCEL) to the system.
class NativeControlId {
  public:
    static constexpr int kFirst = 100;

    static constexpr int of(ControlId control) { return kFirst + indexOf(control); }
    static constexpr std::optional<ControlId> control(int nativeId) {
        if (nativeId < kFirst || nativeId >= kFirst + kControlCount) {
            return std::nullopt;
        }
        return static_cast<ControlId>(nativeId - kFirst);
    }
};

}  // namespace veltrano
