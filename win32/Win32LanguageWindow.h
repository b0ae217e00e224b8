#pragma once

#include "desktop/LanguageWindow.h"
#include "desktop/LanguageWindowView.h"
#include "win32/ChildControls.h"
#include "win32/TopLevelWindow.h"

namespace veltrano {

// frmLang with the Win32 API: the language list and OK in a captioned window without a close
// button, shown modally: its own message loop runs until the model closes it.
class Win32LanguageWindow : public TopLevelWindow, public LanguageWindowView {
  public:
    Win32LanguageWindow(LanguageWindow& model, HWND owner);

    void setCaption(ControlId control, const std::u16string& caption) override;
    void setToolTip(ControlId control, const std::u16string& tip) override;
    void setEnabled(ControlId control, bool enabled) override;
    void setVisible(ControlId control, bool visible) override;
    void setPosition(ControlId control, int left, int top) override;
    void setListItems(ControlId list, const std::vector<std::u16string>& items) override;
    void setListIndex(ControlId list, int index) override;
    void setWindowCaption(const std::u16string& caption) override;
    // Shows the window and returns once closeWindow() has been called.
    void showCentred() override;
    void closeWindow() override;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    LanguageWindow& m_model;
    ChildControls m_controls;
    bool m_open = false;
};

}  // namespace veltrano
