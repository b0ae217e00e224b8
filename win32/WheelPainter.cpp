#include "win32/WheelPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace veltrano {

namespace {

constexpr int kScale = 4;
constexpr COLORREF kRed = RGB(210, 20, 20);
constexpr COLORREF kWhite = RGB(255, 255, 255);

int rounded(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

void WheelPainter::paint(HDC target, const RECT& area, double turnDegrees, COLORREF background) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    HDC large = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width * kScale, height * kScale);
    HGDIOBJ previous = SelectObject(large, bitmap);
    drawLarge(large, width * kScale, height * kScale, turnDegrees, background);

    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, area.left, area.top, width, height, large, 0, 0, width * kScale,
               height * kScale, SRCCOPY);
    SelectObject(large, previous);
    DeleteObject(bitmap);
    DeleteDC(large);
}

void WheelPainter::drawLarge(HDC dc, int width, int height, double turnDegrees,
                             COLORREF background) {
    const RECT all{0, 0, width, height};
    HBRUSH back = CreateSolidBrush(background);
    FillRect(dc, &all, back);
    DeleteObject(back);

    const double x = width / 2.0;
    const double y = height / 2.0;
    const double radius = std::min(width, height) / 2.0 - kScale;
    const double rimWidth = radius * 0.22;
    const double hubRadius = radius * 0.24;
    fillCircle(dc, x, y, radius, kWhite);

    const LOGBRUSH spokeBrush{BS_SOLID, kRed, 0};
    const int spokeWidth = std::max(1, rounded(std::max(1.5 * kScale, radius * 0.16)));
    HPEN spokePen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND,
                                 static_cast<DWORD>(spokeWidth), &spokeBrush, 0, nullptr);
    HGDIOBJ previousPen = SelectObject(dc, spokePen);
    for (int spoke = 0; spoke < kSpokes; ++spoke) {
        const double angle = (turnDegrees + spoke * 360.0 / kSpokes) * std::numbers::pi / 180.0;
        const double dx = std::cos(angle);
        const double dy = std::sin(angle);
        MoveToEx(dc, rounded(x + dx * hubRadius), rounded(y + dy * hubRadius), nullptr);
        LineTo(dc, rounded(x + dx * (radius - rimWidth / 2.0)),
               rounded(y + dy * (radius - rimWidth / 2.0)));
    }
    SelectObject(dc, previousPen);
    DeleteObject(spokePen);

    // The rim: a red ring over the outer ends of the spokes.
    HPEN rimPen = CreatePen(PS_SOLID, rounded(rimWidth), kRed);
    previousPen = SelectObject(dc, rimPen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const double rimRadius = radius - rimWidth / 2.0;
    Ellipse(dc, rounded(x - rimRadius), rounded(y - rimRadius), rounded(x + rimRadius),
            rounded(y + rimRadius));
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(rimPen);

    fillCircle(dc, x, y, hubRadius, kRed);
    fillCircle(dc, x, y, hubRadius * 0.4, kWhite);
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
