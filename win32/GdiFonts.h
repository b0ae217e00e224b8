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
    // The face with characters `pixels` high.
    static HFONT get(const std::wstring& face, int pixels, bool bold = false);

  private:
    using Key = std::tuple<std::wstring, int, bool>;
    static std::map<Key, HFONT>& cache();
};

}  // namespace veltrano
