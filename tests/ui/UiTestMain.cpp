#include <gtest/gtest.h>

#include <QApplication>

#include "ui/frmHaupt.h"

// One QApplication for the whole test program, as the desktop program has one. The windows
// are tested headless: without a display they go to the offscreen platform.
int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setFont(veltrano::frmHaupt::dialogFont());
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
