#pragma once

#include "desktop/LanguageWindow.h"
#include "desktop/LanguageWindowView.h"
#include "win32/Win32WindowView.h"

namespace veltrano {

// frmLang with the Win32 API: the language list and OK in a captioned window without a close
// button, shown modally: its own message loop runs until the model closes it.
class Win32LanguageWindow : public Win32WindowView<LanguageWindowView> {
  public:
    Win32LanguageWindow(LanguageWindow& model, HWND owner);

    // Shows the window and returns once closeWindow() has been called.
    void showCentred() override;
    void closeWindow() override;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    LanguageWindow& m_model;
    bool m_open = false;
};

}  // namespace veltrano
