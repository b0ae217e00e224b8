#pragma once

#include "desktop/ControlForwardingView.h"
#include "desktop/ControlTable.h"
#include "qt/QtControls.h"

class QWidget;

namespace veltrano {

// What the three Qt windows do alike for their models: the controls made from the control table
// and the calls on them, given to QtControls. `View` is the window's view interface.
template <typename View>
class QtControlView : public ControlForwardingView<View, QtControls> {
  protected:
    // `window` is the QWidget part of the same object, constructed already.
    QtControlView(QWidget& window, WindowId id)
        : ControlForwardingView<View, QtControls>(window, id) {}
};

}  // namespace veltrano
