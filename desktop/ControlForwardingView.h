#pragma once

#include <string>
#include <utility>
#include <vector>

#include "desktop/ControlId.h"

namespace veltrano {

// The calls every window view takes on its controls, handed on to the front's set of controls
// made from the control table. `View` is the window's view interface; `Controls` is the front's
// class that keeps the native controls and offers the same calls.
template <class View, class Controls>
class ControlForwardingView : public View {
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
    template <class... Arguments>
    explicit ControlForwardingView(Arguments&&... arguments)
        : m_controls(std::forward<Arguments>(arguments)...) {}

    Controls m_controls;
};

}  // namespace veltrano
