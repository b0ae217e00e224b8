#pragma once

#include <windows.h>

#include <string>

#include "win32/DisplayScale.h"

namespace veltrano {

// A top-level window of the program: its class, its client size in twips at the resolution of
// its monitor (again when it moves to a monitor of another resolution), its caption and the
// centred start position. Messages go to handleMessage of the derived window.
class TopLevelWindow {
  public:
    TopLevelWindow(const wchar_t* className, SIZE clientTwips, DWORD style, DWORD extendedStyle,
                   HWND owner);
    virtual ~TopLevelWindow();
    TopLevelWindow(const TopLevelWindow&) = delete;
    TopLevelWindow& operator=(const TopLevelWindow&) = delete;

    HWND handle() const { return m_window; }
    void setCaptionText(const std::wstring& caption);
    std::wstring captionText() const;
    const DisplayScale& scale() const { return m_scale; }
    // Half the screen less half the window's outer size, in each direction; a window larger
    // than the work area at the work area's top left, so its caption bar stays on the screen.
    // Then shown.
    void showCentredOnScreen();
    void hide();
    bool isVisible() const;

  protected:
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // After a change of resolution: the window has its new size, its content is laid out anew.
    virtual void scaleChanged() {}

  private:
    static void registerClass(const wchar_t* className);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    RECT designOuterRect() const;
    void resolutionChanged(int dpi, const RECT& suggested);

    HWND m_window = nullptr;
    SIZE m_clientTwips;
    DWORD m_style;
    DWORD m_extendedStyle;
    DisplayScale m_scale;
};

}  // namespace veltrano
