#pragma once

#include <windows.h>

namespace veltrano {

// The keys that move the focus, handled as the Qt program handles them: Tab and Shift+Tab walk
// the window's tab order (the frames too, which take the focus in their turn), Left and Right
// on a button or check box step to the previous or next control, Up and Down there do nothing.
// A control that wants the arrows (the lists, the protocol box) keeps them. Focus moves go to
// the top-level window as WM_NEXTDLGCTL.
class DialogKeys {
  public:
    // True when the message was such a key and is handled.
    static bool handle(const MSG& message);

  private:
    static void moveFocus(HWND control, bool backwards);
    static bool arrowHandled(const MSG& message);
};

}  // namespace veltrano
