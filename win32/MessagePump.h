#pragma once

#include <windows.h>

#include "win32/DialogKeys.h"

namespace veltrano {

// The program's message loops: the one that runs until the program ends, and the yield of a
// run, which handles what is waiting and returns at once.
class MessagePump {
  public:
    static void processPending() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                ExitProcess(static_cast<UINT>(message.wParam));
            }
            dispatch(message);
        }
    }

    // Waits for the next message and handles it.
    static void waitAndDispatch() {
        MSG message{};
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            ExitProcess(static_cast<UINT>(message.wParam));
        }
        dispatch(message);
    }

    [[noreturn]] static void runForever() {
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            dispatch(message);
        }
        ExitProcess(static_cast<UINT>(message.wParam));
    }

  private:
    // Tab and the arrows move between the controls of the window that has the focus; Enter
    // presses a window's default button, where it has one.
    static void dispatch(MSG& message) {
        if (DialogKeys::handle(message)) {
            return;
        }
        HWND window = GetAncestor(message.hwnd, GA_ROOT);
        if (window != nullptr && IsDialogMessageW(window, &message)) {
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
};

}  // namespace veltrano
