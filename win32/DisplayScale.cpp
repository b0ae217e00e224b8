#include "win32/DisplayScale.h"

#include <cmath>

namespace veltrano {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kPointsPerInch = 72;

// The functions of Windows 10 1607 and later, looked up when first needed so that the one
// program still starts on a Windows without them (the static import would stop it).
template <class Function>
Function user32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

using DpiForWindow = UINT(WINAPI*)(HWND);
using SystemMetricsForDpi = int(WINAPI*)(int, UINT);
using AdjustWindowRectForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

int systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DisplayScale::kDesignDpi;
}

}  // namespace

DisplayScale::DisplayScale(int dpi) : m_dpi(dpi) {}

DisplayScale DisplayScale::of(HWND window) {
    static const auto dpiForWindow = user32Function<DpiForWindow>("GetDpiForWindow");
    const int dpi = dpiForWindow != nullptr ? static_cast<int>(dpiForWindow(window)) : 0;
    return DisplayScale(dpi > 0 ? dpi : systemDpi());
}

// Truncated, as the design's own pixels are at 96 dpi (15 twips each).
int DisplayScale::pixels(int twips) const {
    return twips * m_dpi / kTwipsPerInch;
}

RECT DisplayScale::pixels(const TwipsRect& twips) const {
    const int left = pixels(twips.left);
    const int top = pixels(twips.top);
    return RECT{left, top, left + pixels(twips.width), top + pixels(twips.height)};
}

int DisplayScale::twips(int pixels) const {
    return pixels * kTwipsPerInch / m_dpi;
}

// Rounded down, so that no text grows faster than the layout: a caption that fits its control
// at 96 dpi (8.25 points, 11 pixels) fits it at every resolution.
int DisplayScale::fontPixels(double points) const {
    return static_cast<int>(std::floor(points * m_dpi / kPointsPerInch + 1e-9));
}

int DisplayScale::scaled(int designPixels) const {
    return MulDiv(designPixels, m_dpi, kDesignDpi);
}

double DisplayScale::factor() const {
    return static_cast<double>(m_dpi) / kDesignDpi;
}

int DisplayScale::systemMetric(int index) const {
    static const auto forDpi = user32Function<SystemMetricsForDpi>("GetSystemMetricsForDpi");
    return forDpi != nullptr ? forDpi(index, static_cast<UINT>(m_dpi)) : GetSystemMetrics(index);
}

RECT DisplayScale::outerRect(SIZE client, DWORD style, DWORD extendedStyle) const {
    static const auto forDpi = user32Function<AdjustWindowRectForDpi>("AdjustWindowRectExForDpi");
    RECT outer{0, 0, client.cx, client.cy};
    if (forDpi != nullptr) {
        forDpi(&outer, style, FALSE, extendedStyle, static_cast<UINT>(m_dpi));
    } else {
        AdjustWindowRectEx(&outer, style, FALSE, extendedStyle);
    }
    return outer;
}

}  // namespace veltrano
