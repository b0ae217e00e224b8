#include "win32/PictureControl.h"

#include <utility>

namespace veltrano {

namespace {

constexpr const wchar_t* kClassName = L"VeltranoPicture";

}  // namespace

PictureControl::PictureControl(HWND parent, int id, const RECT& place, Painter painter)
    : m_painter(std::move(painter)) {
    registerClass();
    // A frame takes the focus in its turn of the tab order (see DialogKeys), then the button
    // it holds.
    m_window = CreateWindowExW(
        0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), this);
}

PictureControl::~PictureControl() {
    if (m_window != nullptr && IsWindow(m_window)) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    }
}

void PictureControl::setPainter(Painter painter) {
    m_painter = std::move(painter);
    InvalidateRect(m_window, nullptr, FALSE);
}

void PictureControl::registerClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kClassName, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = &PictureControl::windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassExW(&windowClass);
}

LRESULT CALLBACK PictureControl::windowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(created->lpCreateParams));
    }
    auto* self = reinterpret_cast<PictureControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT:
            if (self != nullptr) {
                self->m_window = window;
                self->paint();
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_COMMAND:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            return SendMessageW(GetParent(window), message, wParam, lParam);
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PictureControl::paint() {
    PAINTSTRUCT painting{};
    HDC dc = BeginPaint(m_window, &painting);
    RECT area{};
    GetClientRect(m_window, &area);
    if (m_painter) {
        m_painter(dc, area);
    }
    EndPaint(m_window, &painting);
}

}  // namespace veltrano
