#pragma once

#include <windows.h>

#include <string>

namespace veltrano {

// A top-level window of the program: its class, its client size in pixels, its caption and
// the centred start position. Messages go to handleMessage of the derived window.
class TopLevelWindow {
  public:
    TopLevelWindow(const wchar_t* className, SIZE clientPixels, DWORD style, DWORD extendedStyle,
                   HWND owner);
    virtual ~TopLevelWindow();
    TopLevelWindow(const TopLevelWindow&) = delete;
    TopLevelWindow& operator=(const TopLevelWindow&) = delete;

    HWND handle() const { return m_window; }
    void setCaptionText(const std::wstring& caption);
    std::wstring captionText() const;
    // Half the screen less half the window's outer size, in each direction; then shown.
    void showCentredOnScreen();
    void hide();
    bool isVisible() const;

  protected:
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static void registerClass(const wchar_t* className);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
};

}  // namespace veltrano
