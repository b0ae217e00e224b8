#include "win32/TopLevelWindow.h"

#include <algorithm>

#include "win32/Resources.h"
#include "win32/WideText.h"

namespace veltrano {

TopLevelWindow::TopLevelWindow(const wchar_t* className, SIZE clientTwips, DWORD style,
                               DWORD extendedStyle, HWND owner)
    : m_clientTwips(clientTwips), m_style(style), m_extendedStyle(extendedStyle) {
    registerClass(className);
    // Made first and sized after: the resolution is the one of the monitor it is made on.
    m_window =
        CreateWindowExW(extendedStyle, className, L"Veltrano", style, CW_USEDEFAULT, CW_USEDEFAULT,
                        0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
    m_scale = DisplayScale::of(m_window);
    const RECT outer = designOuterRect();
    SetWindowPos(m_window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    if (message == WM_GETMINMAXINFO) {
        // The design's size even where it exceeds the screen, which would otherwise cut it.
        DefWindowProcW(m_window, message, wParam, lParam);
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        const RECT outer = designOuterRect();
        limits->ptMaxTrackSize.x = std::max(limits->ptMaxTrackSize.x, outer.right - outer.left);
        limits->ptMaxTrackSize.y = std::max(limits->ptMaxTrackSize.y, outer.bottom - outer.top);
        return 0;
    }
    if (message == WM_DPICHANGED) {
        resolutionChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

RECT TopLevelWindow::designOuterRect() const {
    const SIZE client{m_scale.pixels(m_clientTwips.cx), m_scale.pixels(m_clientTwips.cy)};
    return m_scale.outerRect(client, m_style, m_extendedStyle);
}

// The place and size Windows suggests, which keeps the window where the user moved it.
void TopLevelWindow::resolutionChanged(int dpi, const RECT& suggested) {
    m_scale = DisplayScale(dpi);
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    scaleChanged();
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
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    const RECT& work = monitor.rcWork;
    const double width = outer.right - outer.left;
    const double height = outer.bottom - outer.top;
    double left = screen.left + (screen.right - screen.left) / 2.0 - width / 2.0;
    double top = screen.top + (screen.bottom - screen.top) / 2.0 - height / 2.0;
    if (width > work.right - work.left || height > work.bottom - work.top) {
        left = work.left;
        top = work.top;
    }
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
