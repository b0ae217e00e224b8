#include "win32/Win32HelpWindow.h"

#include "win32/HelpPicturePainter.h"

namespace veltrano {

Win32HelpWindow::Win32HelpWindow(HelpWindow& model)
    : Win32WindowView(WindowId::frmHilfe, L"VeltranoHelp", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                      0, nullptr),
      m_model(model) {
    m_controls.setPainter(ControlId::frmHilfe_imgDeu, [this](HDC dc, const RECT& area) {
        HelpPicturePainter(dc, scale()).paint(area, HelpPictureContent::german());
    });
    m_controls.setPainter(ControlId::frmHilfe_imgEng, [this](HDC dc, const RECT& area) {
        HelpPicturePainter(dc, scale()).paint(area, HelpPictureContent::english());
    });
}

LRESULT Win32HelpWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        hide();
        m_model.Form_Unload();
        return 0;
    }
    return Win32WindowView::handleMessage(message, wParam, lParam);
}

void Win32HelpWindow::showCentred() {
    showCentredOnScreen();
}

void Win32HelpWindow::bringToFront() {
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
}

}  // namespace veltrano
