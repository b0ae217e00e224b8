#include <QApplication>
#include <QMessageBox>
#include <optional>
#include <span>

#include "desktop/DesktopArguments.h"
#include "qt/QtControls.h"
#include "qt/frmHaupt.h"

// veltrano works on the route folder it is started in. It ends only through Quit (status 0),
// after telling the user that the folder is no usable route (status 2), or after a command
// line that is not its own (status 64).
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setFont(veltrano::QtControls::dialogFont());
    // Qt has taken its own options (-platform, -style) out of argv by now.
    const std::optional<veltrano::RunOptions> options =
        veltrano::DesktopArguments::parse(std::span(argv, static_cast<std::size_t>(argc)));
    if (!options) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Veltrano"),
                        QString::fromStdU16String(veltrano::DesktopArguments::usage(u"veltrano")),
                        QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return veltrano::DesktopArguments::kExitUsage;
    }
    // Windows come and go during start-up before the main window shows; none of them ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    veltrano::frmHaupt window;
    window.model().setRunOptions(*options);
    window.Form_Load();
    return QApplication::exec();
}
