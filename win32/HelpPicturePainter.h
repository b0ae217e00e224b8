#pragma once

#include <windows.h>

#include "desktop/HelpPictureContent.h"

namespace veltrano {

// Draws a help picture with GDI: on white, each section's control as the main window shows
// it, then its lines in Courier New at the largest size that lets the whole content fit.
class HelpPicturePainter {
  public:
    static void paint(HDC dc, const RECT& area, const HelpPictureContent& content);

  private:
    static int fittingPixelSize(HDC dc, const HelpPictureContent& content);
    static int controlHeight(HelpSection::Control control);
    static void paintControl(HDC dc, POINT at, const HelpSection& section);
};

}  // namespace veltrano
