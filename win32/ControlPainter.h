#pragma once

#include <windows.h>

#include <string>

#include "win32/DisplayScale.h"

namespace veltrano {

// The controls of the main window as the help pictures show them, drawn with GDI in the
// look of the standard controls: the run button in its green frame, the fill-level list
// showing one item, the ticked change-all box with its tick to the right of the caption; at
// the window's resolution.
class ControlPainter {
  public:
    ControlPainter(HDC dc, const DisplayScale& scale);
    void runButton(const RECT& frame, const RECT& button, const std::wstring& caption) const;
    void fillLevelList(const RECT& list, const std::wstring& item) const;
    void changeAllBox(const RECT& box, const std::wstring& caption) const;

  private:
    HDC m_dc;
    DisplayScale m_scale;
};

}  // namespace veltrano
