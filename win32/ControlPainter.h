#pragma once

#include <windows.h>

#include <string>

namespace veltrano {

// The controls of the main window as the help pictures show them, drawn with GDI in the
// look of the standard controls: the run button in its green frame, the fill-level list
// showing one item, the ticked change-all box with its tick to the right of the caption.
class ControlPainter {
  public:
    static void runButton(HDC dc, const RECT& frame, const RECT& button,
                          const std::wstring& caption);
    static void fillLevelList(HDC dc, const RECT& list, const std::wstring& item);
    static void changeAllBox(HDC dc, const RECT& box, const std::wstring& caption);
};

}  // namespace veltrano
