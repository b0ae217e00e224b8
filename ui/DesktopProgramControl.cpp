#include "ui/DesktopProgramControl.h"

#include <QMessageBox>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace veltrano {

DesktopProgramControl::DesktopProgramControl()
    : m_processEnd(&DesktopProgramControl::endProcessNow) {}

DesktopProgramControl::DesktopProgramControl(ProcessEnd processEnd)
    : m_processEnd(std::move(processEnd)) {}

void DesktopProgramControl::showMessage(const std::u16string& text) {
    // No parent: at start-up the main window is not visible yet, so the box centres on the
    // screen and blocks the whole program.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Veltrano"),
                    QString::fromStdU16String(text), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("msgVeltrano"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DesktopProgramControl::endProgram(int exitStatus) {
    m_endRequested = true;
    m_processEnd(exitStatus);
}

void DesktopProgramControl::endProcessNow(int exitStatus) {
    std::fflush(nullptr);
    std::_Exit(exitStatus);
}

}  // namespace veltrano
