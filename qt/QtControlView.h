#pragma once

#include <string>
#include <vector>

#include "desktop/ControlTable.h"
#include "qt/QtControls.h"

class QWidget;

namespace veltrano {

// What the three Qt windows do alike for their models: the controls made from the control table
// and the calls on them. `View` is the window's view interface.
template <typename View>
class QtControlView : public View {
  public:
    void setCaption(ControlId control, const std::u16string& caption) override {
        m_controls.setCaption(control, caption);
    }
    void setToolTip(ControlId control, const std::u16string& tip) override {
        m_controls.setToolTip(control, tip);
    }
    void setEnabled(ControlId control, bool enabled) override {
        m_controls.setEnabled(control, enabled);
    }
    void setVisible(ControlId control, bool visible) override {
        m_controls.setVisible(control, visible);
    }
    void setPosition(ControlId control, int left, int top) override {
        m_controls.setPosition(control, left, top);
    }
    void setListItems(ControlId list, const std::vector<std::u16string>& items) override {
        m_controls.setListItems(list, items);
    }
    void setListIndex(ControlId list, int index) override { m_controls.setListIndex(list, index); }

  protected:
    // `window` is the QWidget part of the same object, constructed already.
    QtControlView(QWidget& window, WindowId id) : m_controls(window, id) {}

    QtControls m_controls;
};

}  // namespace veltrano
