#pragma once

#include <windows.h>

#include "desktop/HelpPictureContent.h"
#include "win32/DisplayScale.h"

namespace veltrano {

// Draws a help picture with GDI at the window's resolution: on white, each section's control
// as the main window shows it, then its lines in the protocol box's face at the largest size
// that lets the whole content fit.
class HelpPicturePainter {
  public:
    HelpPicturePainter(HDC dc, const DisplayScale& scale);
    void paint(const RECT& area, const HelpPictureContent& content);

  private:
    int fittingPixelSize(const HelpPictureContent& content);
    int controlHeight(HelpSection::Control control) const;
    void paintControl(POINT at, const HelpSection& section);
    RECT placedAt(ControlId control, POINT at) const;

    HDC m_dc;
    DisplayScale m_scale;
};

}  // namespace veltrano
