#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include "app/ExitStatus.h"
#include "desktop/DesktopArguments.h"
#include "desktop/LanguageWindow.h"
#include "desktop/UndoLastRun.h"
#include "desktop/UndoLastRunView.h"
#include "platform/CommandLine.h"
#include "win32/MessagePump.h"
#include "win32/WideText.h"
#include "win32/Win32LanguageWindow.h"
#include "win32/Win32MainWindow.h"

namespace {

// A box without an owner, centred on the screen; the answer is the button pressed.
int askInBox(const std::u16string& text, UINT buttons) {
    return MessageBoxW(nullptr, veltrano::WideText::fromU16(text).c_str(), L"Veltrano", buttons);
}

// The windows of an undo: the language window, the question and the outcome.
class UndoDialogs : public veltrano::UndoLastRunView {
  public:
    void openLanguageWindowModally(veltrano::LanguageWindow& window) override {
        veltrano::Win32LanguageWindow language(window, nullptr);
        window.show(language);
    }
    // The first button, Yes, is the default: Enter answers yes.
    bool askYesNo(const std::u16string& text) override {
        return askInBox(text, MB_YESNO | MB_DEFBUTTON1) == IDYES;
    }
    void showMessage(const std::u16string& text) override { askInBox(text, MB_OK); }
    void endProgram(int exitStatus) override { ExitProcess(static_cast<UINT>(exitStatus)); }
};

}  // namespace

// veltrano.exe works on the route folder it is started in (its working directory). It ends
// only through Quit (status 0), after telling the user that the folder is no usable route
// (status 2), after a command line that is not its own (status 64), or, started to undo the
// last run, with veltrano-cli's status for a restore, each at once with ExitProcess.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Windows hands its command line over whole; CommandLine splits it as the system does.
    const std::optional<veltrano::DesktopArguments> arguments =
        veltrano::DesktopArguments::parse(veltrano::CommandLine::arguments(0, nullptr));
    if (!arguments) {
        askInBox(veltrano::DesktopArguments::usage(u"veltrano.exe"), MB_OK);
        ExitProcess(veltrano::ExitStatus::kBadCommandLine);
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    if (arguments->undoLastRun) {
        UndoDialogs dialogs;
        veltrano::UndoLastRun(dialogs).run();
        ExitProcess(veltrano::ExitStatus::kCompleted);  // not reached: the undo ends the program
    }
    veltrano::Win32MainWindow window;
    window.model().setRunOptions(arguments->runOptions);
    window.model().Form_Load();
    veltrano::MessagePump::runForever();
}
