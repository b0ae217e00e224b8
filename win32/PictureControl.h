#pragma once

#include <windows.h>

#include <functional>

namespace veltrano {

// A child window that shows what its painter draws: the coloured frames that hold the run and
// Quit buttons, the animation frames and the help pictures. Commands and colour requests of
// the controls inside it go on to its parent, so a button in a frame reports to the window.
class PictureControl {
  public:
    using Painter = std::function<void(HDC, const RECT&)>;

    PictureControl(HWND parent, int id, const RECT& place, Painter painter);
    ~PictureControl();
    PictureControl(const PictureControl&) = delete;
    PictureControl& operator=(const PictureControl&) = delete;

    HWND handle() const { return m_window; }
    void setPainter(Painter painter);

  private:
    static void registerClass();
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint();

    HWND m_window = nullptr;
    Painter m_painter;
};

}  // namespace veltrano
