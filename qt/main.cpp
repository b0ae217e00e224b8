#include <QApplication>
#include <QMessageBox>
#include <optional>

#include "app/ExitStatus.h"
#include "desktop/DesktopArguments.h"
#include "desktop/LanguageWindow.h"
#include "desktop/UndoLastRun.h"
#include "desktop/UndoLastRunView.h"
#include "platform/CommandLine.h"
#include "qt/QtControls.h"
#include "qt/frmHaupt.h"
#include "qt/frmLang.h"

namespace {

// The windows of an undo: the language window, the question and the outcome.
class UndoDialogs : public veltrano::UndoLastRunView {
  public:
    void openLanguageWindowModally(veltrano::LanguageWindow& window) override {
        veltrano::frmLang language(window, nullptr);
        window.show(language);
    }
    bool askYesNo(const std::u16string& text) override {
        return veltrano::frmHaupt::askInBox(text, QMessageBox::Yes | QMessageBox::No,
                                            QMessageBox::Yes) == QMessageBox::Yes;
    }
    void showMessage(const std::u16string& text) override {
        veltrano::frmHaupt::askInBox(text, QMessageBox::Ok, QMessageBox::Ok);
    }
    void endProgram(int exitStatus) override { veltrano::frmHaupt::endProcessNow(exitStatus); }
};

}  // namespace

// veltrano works on the route folder it is started in. It ends only through Quit (status 0),
// after telling the user that the folder is no usable route (status 2), after a command line
// that is not its own (status 64), or, started to undo the last run, with veltrano-cli's status
// for a restore.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setFont(veltrano::QtControls::dialogFont());
    // Qt has taken its own options (-platform, -style) out of argv by now.
    const std::optional<veltrano::DesktopArguments> arguments =
        veltrano::DesktopArguments::parse(veltrano::CommandLine::arguments(argc, argv));
    if (!arguments) {
        veltrano::frmHaupt::askInBox(veltrano::DesktopArguments::usage(u"veltrano"),
                                     QMessageBox::Ok, QMessageBox::Ok);
        return veltrano::ExitStatus::kBadCommandLine;
    }
    // Windows come and go during start-up before the main window shows; none of them ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    if (arguments->undoLastRun) {
        UndoDialogs dialogs;
        veltrano::UndoLastRun(dialogs).run();
        return veltrano::ExitStatus::kCompleted;  // not reached: the undo ends the program
    }
    veltrano::frmHaupt window;
    window.model().setRunOptions(arguments->runOptions);
    window.Form_Load();
    return QApplication::exec();
}
