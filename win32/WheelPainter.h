#pragma once

#include <windows.h>

namespace veltrano {

// Draws the red and white spoked wheel with GDI: the busy animation's frames and nothing else.
// GDI draws without smoothing, so the wheel is drawn four times as large into a memory bitmap
// and shrunk onto the target with averaging.
class WheelPainter {
  public:
    // The wheel turned by turnDegrees, centred in the rectangle, on the given background.
    static void paint(HDC target, const RECT& area, double turnDegrees, COLORREF background);

  private:
    static void drawLarge(HDC dc, int width, int height, double turnDegrees, COLORREF background);
    static void fillCircle(HDC dc, double x, double y, double radius, COLORREF colour);
};

}  // namespace veltrano
