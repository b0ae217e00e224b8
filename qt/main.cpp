#include <QApplication>

#include "platform/HeapTuning.h"
#include "qt/QtControls.h"
#include "qt/frmHaupt.h"

// veltrano works on the route folder it is started in. It ends only through Quit (status 0)
// or after telling the user that the folder is no usable route (status 2).
int main(int argc, char* argv[]) {
    veltrano::HeapTuning::keepLargeBuffersInHeap();
    QApplication application(argc, argv);
    QApplication::setFont(veltrano::QtControls::dialogFont());
    // Windows come and go during start-up before the main window shows; none of them ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    veltrano::frmHaupt window;
    window.Form_Load();
    return QApplication::exec();
}
