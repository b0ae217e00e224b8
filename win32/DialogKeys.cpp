#include "win32/DialogKeys.h"

namespace veltrano {

namespace {

bool keyDown(int key) {
    return GetKeyState(key) < 0;
}

}  // namespace

bool DialogKeys::handle(const MSG& message) {
    if (message.message != WM_KEYDOWN || keyDown(VK_CONTROL) || keyDown(VK_MENU)) {
        return false;
    }
    switch (message.wParam) {
        case VK_TAB:
            moveFocus(message.hwnd, keyDown(VK_SHIFT));
            return true;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            return arrowHandled(message);
        default:
            return false;
    }
}

void DialogKeys::moveFocus(HWND control, bool backwards) {
    SendMessageW(GetAncestor(control, GA_ROOT), WM_NEXTDLGCTL, backwards ? 1 : 0, 0);
}

bool DialogKeys::arrowHandled(const MSG& message) {
    const auto code = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                   reinterpret_cast<LPARAM>(&message));
    if ((code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS)) != 0) {
        return false;
    }
    if ((code & DLGC_BUTTON) != 0 && (message.wParam == VK_LEFT || message.wParam == VK_RIGHT)) {
        moveFocus(message.hwnd, message.wParam == VK_LEFT);
    }
    return true;
}

}  // namespace veltrano
