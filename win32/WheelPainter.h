#pragma once

#include <windows.h>

#include "win32/DisplayScale.h"

namespace veltrano {

// Draws the red and white spoked wheel with GDI: the busy animation's frames and nothing else.
// GDI draws without smoothing, so the wheel is drawn four times as large into a memory bitmap
// and shrunk onto the target with averaging.
class WheelPainter {
  public:
    // The wheel turned by turnDegrees, centred in the rectangle, on the given background; its
    // margin and thinnest spoke at the window's resolution.
    static void paint(HDC target, const RECT& area, double turnDegrees, COLORREF background,
                      const DisplayScale& scale);

  private:
    static void drawLarge(HDC dc, int width, int height, double turnDegrees, COLORREF background,
                          double designPixel);
    static void fillCircle(HDC dc, double x, double y, double radius, COLORREF colour);
};

}  // namespace veltrano
