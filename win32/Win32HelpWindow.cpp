#include "win32/Win32HelpWindow.h"

#include "win32/HelpPicturePainter.h"
#include "win32/WideText.h"

namespace veltrano {

namespace {

SIZE clientSize() {
    const WindowSpec& spec = ControlTable::window(WindowId::frmHilfe);
    return SIZE{twipsToPixels(spec.clientWidth), twipsToPixels(spec.clientHeight)};
}

}  // namespace

Win32HelpWindow::Win32HelpWindow(HelpWindow& model)
    : TopLevelWindow(L"VeltranoHelp", clientSize(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0,
                     nullptr),
      m_model(model),
      m_controls(WindowId::frmHilfe, handle()) {
    m_controls.setPainter(ControlId::frmHilfe_imgDeu, [](HDC dc, const RECT& area) {
        HelpPicturePainter::paint(dc, area, HelpPictureContent::german());
    });
    m_controls.setPainter(ControlId::frmHilfe_imgEng, [](HDC dc, const RECT& area) {
        HelpPicturePainter::paint(dc, area, HelpPictureContent::english());
    });
}

LRESULT Win32HelpWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        hide();
        m_model.Form_Unload();
        return 0;
    }
    return TopLevelWindow::handleMessage(message, wParam, lParam);
}

void Win32HelpWindow::setCaption(ControlId control, const std::u16string& caption) {
    m_controls.setCaption(control, caption);
}

void Win32HelpWindow::setToolTip(ControlId control, const std::u16string& tip) {
    m_controls.setToolTip(control, tip);
}

void Win32HelpWindow::setEnabled(ControlId control, bool enabled) {
    m_controls.setEnabled(control, enabled);
}

void Win32HelpWindow::setVisible(ControlId control, bool visible) {
    m_controls.setVisible(control, visible);
}

void Win32HelpWindow::setPosition(ControlId control, int left, int top) {
    m_controls.setPosition(control, left, top);
}

void Win32HelpWindow::setListItems(ControlId list, const std::vector<std::u16string>& items) {
    m_controls.setListItems(list, items);
}

void Win32HelpWindow::setListIndex(ControlId list, int index) {
    m_controls.setListIndex(list, index);
}

void Win32HelpWindow::setWindowCaption(const std::u16string& caption) {
    setCaptionText(WideText::fromU16(caption));
}

void Win32HelpWindow::showCentred() {
    showCentredOnScreen();
}

void Win32HelpWindow::bringToFront() {
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
}

}  // namespace veltrano
