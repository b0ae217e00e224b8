#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace veltrano {

// The tool tips of one window's controls: one tool tip control, one tool per control, its text
// replaced when the language changes. An empty text shows no tip.
class ToolTips {
  public:
    explicit ToolTips(HWND owner);
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    void set(HWND control, const std::wstring& text);

  private:
    TOOLINFOW toolFor(HWND control, const std::wstring& text) const;

    HWND m_owner;
    HWND m_tips;
};

}  // namespace veltrano
