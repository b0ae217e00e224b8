#include <windows.h>

#include <commctrl.h>

#include "win32/MessagePump.h"
#include "win32/Win32MainWindow.h"

// veltrano.exe works on the route folder it is started in (its working directory). It ends
// only through Quit (status 0) or after telling the user that the folder is no usable route
// (status 2), each at once with ExitProcess.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    veltrano::Win32MainWindow window;
    window.model().Form_Load();
    veltrano::MessagePump::runForever();
}
