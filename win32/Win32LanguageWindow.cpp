#include "win32/Win32LanguageWindow.h"

#include "win32/MessagePump.h"
#include "win32/WideText.h"

namespace veltrano {

namespace {

SIZE clientSize() {
    const WindowSpec& spec = ControlTable::window(WindowId::frmLang);
    return SIZE{twipsToPixels(spec.clientWidth), twipsToPixels(spec.clientHeight)};
}

}  // namespace

Win32LanguageWindow::Win32LanguageWindow(LanguageWindow& model, HWND owner)
    : TopLevelWindow(L"VeltranoLanguage", clientSize(), WS_OVERLAPPED | WS_CAPTION,
                     WS_EX_DLGMODALFRAME, owner),
      m_model(model),
      m_controls(WindowId::frmLang, handle()) {}

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
    if (message == WM_CLOSE) {
        // OK is the only way out.
        return 0;
    }
    return TopLevelWindow::handleMessage(message, wParam, lParam);
}

void Win32LanguageWindow::setCaption(ControlId control, const std::u16string& caption) {
    m_controls.setCaption(control, caption);
}

void Win32LanguageWindow::setToolTip(ControlId control, const std::u16string& tip) {
    m_controls.setToolTip(control, tip);
}

void Win32LanguageWindow::setEnabled(ControlId control, bool enabled) {
    m_controls.setEnabled(control, enabled);
}

void Win32LanguageWindow::setVisible(ControlId control, bool visible) {
    m_controls.setVisible(control, visible);
}

void Win32LanguageWindow::setPosition(ControlId control, int left, int top) {
    m_controls.setPosition(control, left, top);
}

void Win32LanguageWindow::setListItems(ControlId list, const std::vector<std::u16string>& items) {
    m_controls.setListItems(list, items);
}

void Win32LanguageWindow::setListIndex(ControlId list, int index) {
    m_controls.setListIndex(list, index);
}

void Win32LanguageWindow::setWindowCaption(const std::u16string& caption) {
    setCaptionText(WideText::fromU16(caption));
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
