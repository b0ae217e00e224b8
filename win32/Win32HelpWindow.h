#pragma once

#include "desktop/HelpWindow.h"
#include "desktop/HelpWindowView.h"
#include "win32/Win32WindowView.h"

namespace veltrano {

// frmHilfe with the Win32 API: the two help pictures, drawn with GDI, in a window with a close
// button. Closing hides it and unloads its model; the next Help shows it again.
class Win32HelpWindow : public Win32WindowView<HelpWindowView> {
  public:
    explicit Win32HelpWindow(HelpWindow& model);

    void showCentred() override;
    void bringToFront() override;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HelpWindow& m_model;
};

}  // namespace veltrano
