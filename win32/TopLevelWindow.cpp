#include "win32/TopLevelWindow.h"

#include "win32/Resources.h"
#include "win32/WideText.h"

namespace veltrano {

TopLevelWindow::TopLevelWindow(const wchar_t* className, SIZE clientPixels, DWORD style,
                               DWORD extendedStyle, HWND owner) {
    registerClass(className);
    RECT outer{0, 0, clientPixels.cx, clientPixels.cy};
    AdjustWindowRectEx(&outer, style, FALSE, extendedStyle);
    m_window = CreateWindowExW(extendedStyle, className, L"Veltrano", style, CW_USEDEFAULT,
                               CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                               owner, nullptr, GetModuleHandleW(nullptr), this);
}

TopLevelWindow::~TopLevelWindow() {
    if (m_window != nullptr) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

void TopLevelWindow::registerClass(const wchar_t* className) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = &TopLevelWindow::windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon =
        static_cast<HICON>(LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(VELTRANO_ICON),
                                      IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    windowClass.hIconSm = windowClass.hIcon;
    RegisterClassExW(&windowClass);
}

LRESULT CALLBACK TopLevelWindow::windowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<TopLevelWindow*>(created->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TopLevelWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT TopLevelWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void TopLevelWindow::setCaptionText(const std::wstring& caption) {
    SetWindowTextW(m_window, caption.c_str());
}

std::wstring TopLevelWindow::captionText() const {
    return WideText::of(m_window);
}

void TopLevelWindow::showCentredOnScreen() {
    RECT outer{};
    GetWindowRect(m_window, &outer);
    const double width = outer.right - outer.left;
    const double height = outer.bottom - outer.top;
    const double left = GetSystemMetrics(SM_CXSCREEN) / 2.0 - width / 2.0;
    const double top = GetSystemMetrics(SM_CYSCREEN) / 2.0 - height / 2.0;
    SetWindowPos(m_window, nullptr, static_cast<int>(left), static_cast<int>(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(m_window, SW_SHOW);
    SetForegroundWindow(m_window);
}

void TopLevelWindow::hide() {
    ShowWindow(m_window, SW_HIDE);
}

bool TopLevelWindow::isVisible() const {
    return IsWindowVisible(m_window) != FALSE;
}

}  // namespace veltrano
