#pragma once

#include <string>

#include "desktop/ControlForwardingView.h"
#include "desktop/ControlTable.h"
#include "win32/ChildControls.h"
#include "win32/TopLevelWindow.h"
#include "win32/WideText.h"

namespace veltrano {

// What the three windows share: a top-level window of the design's client size holding the
// controls of the control table, laid out at the window's resolution and again when it
// changes, and the calls every view takes on them. View is the window's view interface.
template <class View>
class Win32WindowView : public TopLevelWindow, public ControlForwardingView<View, ChildControls> {
  public:
    Win32WindowView(WindowId window, const wchar_t* className, DWORD style, DWORD extendedStyle,
                    HWND owner)
        : TopLevelWindow(className, clientTwips(window), style, extendedStyle, owner),
          ControlForwardingView<View, ChildControls>(window, handle(), scale()) {}

    void setWindowCaption(const std::u16string& caption) override {
        setCaptionText(WideText::fromU16(caption));
    }

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NEXTDLGCTL) {
            // wParam a control (lParam 1), or backwards (lParam 0) from the focused one.
            HWND next = LOWORD(lParam) != 0
                            ? reinterpret_cast<HWND>(wParam)
                            : this->m_controls.nextInTabOrder(GetFocus(), wParam != 0);
            if (next != nullptr) {
                SetFocus(next);
            }
            return 0;
        }
        return TopLevelWindow::handleMessage(message, wParam, lParam);
    }

    void scaleChanged() override { this->m_controls.layOut(scale()); }

  private:
    static SIZE clientTwips(WindowId window) {
        const WindowDesign& design = ControlTable::window(window);
        return SIZE{design.clientWidth, design.clientHeight};
    }
};

}  // namespace veltrano
