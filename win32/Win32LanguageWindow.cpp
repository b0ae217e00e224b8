#include "win32/Win32LanguageWindow.h"

#include "win32/MessagePump.h"
#include "win32/NativeControlId.h"

namespace veltrano {

Win32LanguageWindow::Win32LanguageWindow(LanguageWindow& model, HWND owner)
    : Win32WindowView(WindowId::frmLang, L"VeltranoLanguage", WS_OVERLAPPED | WS_CAPTION,
                      WS_EX_DLGMODALFRAME, owner),
      m_model(model) {
    // OK is the default button, pressed by Enter wherever the focus is.
    SendMessageW(m_controls.handle(ControlId::frmLang_cmdOK), BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
}

LRESULT Win32LanguageWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        HWND native = reinterpret_cast<HWND>(lParam);
        const std::optional<ControlId> control = m_controls.controlOf(native);
        if (control && HIWORD(wParam) == BN_CLICKED) {
            m_model.click(*control);
        } else if (control && HIWORD(wParam) == CBN_SELCHANGE) {
            m_model.listIndexChanged(*control,
                                     static_cast<int>(SendMessageW(native, CB_GETCURSEL, 0, 0)));
        }
        return 0;
    }
    if (message == DM_GETDEFID) {
        return MAKELRESULT(NativeControlId::of(ControlId::frmLang_cmdOK), DC_HASDEFID);
    }
    if (message == WM_CLOSE) {
        // OK is the only way out; Escape, which the dialog keys turn into IDCANCEL, does
        // nothing either.
        return 0;
    }
    return Win32WindowView::handleMessage(message, wParam, lParam);
}

void Win32LanguageWindow::showCentred() {
    m_open = true;
    showCentredOnScreen();
    // The list has the focus, as the first control in the tab order.
    SetFocus(m_controls.handle(ControlId::frmLang_cmbLang));
    while (m_open) {
        MessagePump::waitAndDispatch();
    }
}

void Win32LanguageWindow::closeWindow() {
    m_open = false;
    hide();
}

}  // namespace veltrano
