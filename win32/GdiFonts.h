#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace veltrano {

// The fonts of the controls, made once per face, size and weight and kept for the program's
// life (the program ends with ExitProcess, which frees them).
class GdiFonts {
  public:
    static HFONT get(const std::wstring& face, double points, bool bold);
    // Font sizes are in points at 96 dpi, the layout's resolution: 8.25 points are 11 pixels.
    static int pixelHeight(double points);

  private:
    using Key = std::tuple<std::wstring, double, bool>;
    static std::map<Key, HFONT>& cache();
};

}  // namespace veltrano
