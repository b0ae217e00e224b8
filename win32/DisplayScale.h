#pragma once

#include <windows.h>

#include "desktop/ControlTable.h"

namespace veltrano {

// A window's pixels at its own resolution: the design's twips (1,440 to the inch), its point
// sizes and the lengths the pictures are drawn with at 96 dpi, each converted at the window's
// dots per inch. At 96 dpi every conversion gives the design's pixels exactly.
class DisplayScale {
  public:
    static constexpr int kDesignDpi = 96;

    explicit DisplayScale(int dpi = kDesignDpi);
    // The resolution of the monitor the window is on; the system's where Windows predates
    // resolutions per monitor.
    static DisplayScale of(HWND window);

    int dpi() const { return m_dpi; }
    int pixels(int twips) const;
    RECT pixels(const TwipsRect& twips) const;
    int twips(int pixels) const;
    int fontPixels(double points) const;
    // A length given in pixels at 96 dpi.
    int scaled(int designPixels) const;
    double factor() const;
    int systemMetric(int index) const;
    // The outer rectangle of a window whose client area has the given size.
    RECT outerRect(SIZE client, DWORD style, DWORD extendedStyle) const;

  private:
    int m_dpi;
};

}  // namespace veltrano
