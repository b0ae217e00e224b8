#pragma once

#include "desktop/HelpWindow.h"
#include "desktop/HelpWindowView.h"
#include "win32/ChildControls.h"
#include "win32/TopLevelWindow.h"

namespace veltrano {

// frmHilfe with the Win32 API: the two help pictures, drawn with GDI, in a window with a close
// button. Closing hides it and unloads its model; the next Help shows it again.
class Win32HelpWindow : public TopLevelWindow, public HelpWindowView {
  public:
    explicit Win32HelpWindow(HelpWindow& model);

    void setCaption(ControlId control, const std::u16string& caption) override;
    void setToolTip(ControlId control, const std::u16string& tip) override;
    void setEnabled(ControlId control, bool enabled) override;
    void setVisible(ControlId control, bool visible) override;
    void setPosition(ControlId control, int left, int top) override;
    void setListItems(ControlId list, const std::vector<std::u16string>& items) override;
    void setListIndex(ControlId list, int index) override;
    void setWindowCaption(const std::u16string& caption) override;
    void showCentred() override;
    void bringToFront() override;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HelpWindow& m_model;
    ChildControls m_controls;
};

}  // namespace veltrano
