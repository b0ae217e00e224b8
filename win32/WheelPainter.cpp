#include "win32/WheelPainter.h"

#include <algorithm>
#include <cmath>

#include "desktop/WheelGeometry.h"

namespace veltrano {

namespace {

constexpr int kScale = 4;
// GDI's colours are 0x00BBGGRR.
constexpr COLORREF gdiColour(unsigned rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
constexpr COLORREF kRed = gdiColour(WheelGeometry::kRed);
constexpr COLORREF kWhite = gdiColour(WheelGeometry::kWhite);

int rounded(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

void WheelPainter::paint(HDC target, const RECT& area, double turnDegrees, COLORREF background,
                         const DisplayScale& scale) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    HDC large = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width * kScale, height * kScale);
    HGDIOBJ previous = SelectObject(large, bitmap);
    drawLarge(large, width * kScale, height * kScale, turnDegrees, background,
              kScale * scale.factor());

    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, area.left, area.top, width, height, large, 0, 0, width * kScale,
               height * kScale, SRCCOPY);
    SelectObject(large, previous);
    DeleteObject(bitmap);
    DeleteDC(large);
}

// `designPixel` is the length of a pixel at 96 dpi in the large drawing.
void WheelPainter::drawLarge(HDC dc, int width, int height, double turnDegrees, COLORREF background,
                             double designPixel) {
    const RECT all{0, 0, width, height};
    HBRUSH back = CreateSolidBrush(background);
    FillRect(dc, &all, back);
    DeleteObject(back);

    const WheelGeometry wheel(width, height, designPixel, turnDegrees, 1.5 * designPixel);
    const double x = wheel.centre.x;
    const double y = wheel.centre.y;
    fillCircle(dc, x, y, wheel.radius, kWhite);

    const LOGBRUSH spokeBrush{BS_SOLID, kRed, 0};
    HPEN spokePen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND,
                                 static_cast<DWORD>(std::max(1, rounded(wheel.spokeWidth))),
                                 &spokeBrush, 0, nullptr);
    HGDIOBJ previousPen = SelectObject(dc, spokePen);
    for (const WheelGeometry::Spoke& spoke : wheel.spokes) {
        MoveToEx(dc, rounded(spoke.hubEnd.x), rounded(spoke.hubEnd.y), nullptr);
        LineTo(dc, rounded(spoke.rimEnd.x), rounded(spoke.rimEnd.y));
    }
    SelectObject(dc, previousPen);
    DeleteObject(spokePen);

    // The rim: a red ring over the outer ends of the spokes.
    HPEN rimPen = CreatePen(PS_SOLID, rounded(wheel.rimWidth), kRed);
    previousPen = SelectObject(dc, rimPen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const double rim = wheel.rimRadius;
    Ellipse(dc, rounded(x - rim), rounded(y - rim), rounded(x + rim), rounded(y + rim));
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(rimPen);

    fillCircle(dc, x, y, wheel.hubRadius, kRed);
    fillCircle(dc, x, y, wheel.eyeRadius, kWhite);
}

void WheelPainter::fillCircle(HDC dc, double x, double y, double radius, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ previousBrush = SelectObject(dc, brush);
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, rounded(x - radius), rounded(y - radius), rounded(x + radius) + 1,
            rounded(y + radius) + 1);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
    DeleteObject(brush);
}

}  // namespace veltrano
