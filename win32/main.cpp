#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "desktop/DesktopArguments.h"
#include "win32/MessagePump.h"
#include "win32/WideText.h"
#include "win32/Win32MainWindow.h"

namespace {

// The command line as Windows splits it, the program's name first.
std::vector<std::u16string> commandLine() {
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> arguments;
    for (int index = 0; split != nullptr && index < count; ++index) {
        arguments.push_back(veltrano::WideText::toU16(split[index]));
    }
    LocalFree(split);
    return arguments;
}

}  // namespace

// veltrano.exe works on the route folder it is started in (its working directory). It ends
// only through Quit (status 0), after telling the user that the folder is no usable route
// (status 2), or after a command line that is not its own (status 64), each at once with
// ExitProcess.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::optional<veltrano::RunOptions> options =
        veltrano::DesktopArguments::parse(commandLine());
    if (!options) {
        const std::wstring usage =
            veltrano::WideText::fromU16(veltrano::DesktopArguments::usage(u"veltrano.exe"));
        MessageBoxW(nullptr, usage.c_str(), L"Veltrano", MB_OK);
        ExitProcess(veltrano::DesktopArguments::kExitUsage);
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    veltrano::Win32MainWindow window;
    window.model().setRunOptions(*options);
    window.model().Form_Load();
    veltrano::MessagePump::runForever();
}
