#pragma once

#include <string>
#include <vector>

#include "desktop/ControlTable.h"
#include "win32/ChildControls.h"
#include "win32/TopLevelWindow.h"
#include "win32/WideText.h"

namespace veltrano {

// What the three windows share: a top-level window of the design's client size holding the
// controls of the control table, and the calls every view takes on them. View is the
// window's view interface.
template <class View>
class Win32WindowView : public TopLevelWindow, public View {
  public:
    Win32WindowView(WindowId window, const wchar_t* className, DWORD style, DWORD extendedStyle,
                    HWND owner)
        : TopLevelWindow(className, clientSize(window), style, extendedStyle, owner),
          m_controls(window, handle()) {}

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
    void setWindowCaption(const std::u16string& caption) override {
        setCaptionText(WideText::fromU16(caption));
    }

  protected:
    ChildControls m_controls;

  private:
    static SIZE clientSize(WindowId window) {
        const WindowSpec& spec = ControlTable::window(window);
        return SIZE{twipsToPixels(spec.clientWidth), twipsToPixels(spec.clientHeight)};
    }
};

}  // namespace veltrano
