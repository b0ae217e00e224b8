#include "qt/frmLang.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>

#include "desktop/LanguageWindow.h"
#include "qt/WindowGeometry.h"

namespace veltrano {

frmLang::frmLang(LanguageWindow& model, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      QtControlView(*this, WindowId::frmLang) {
    const WindowDesign& design = ControlTable::window(WindowId::frmLang);
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf16(design.caption));
    setFixedSize(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    connect(m_controls.as<QComboBox>(ControlId::frmLang_cmbLang), &QComboBox::currentIndexChanged,
            this,
            [&model](int index) { model.listIndexChanged(ControlId::frmLang_cmbLang, index); });
    connect(m_controls.as<QPushButton>(ControlId::frmLang_cmdOK), &QPushButton::clicked, this,
            [&model] { model.click(ControlId::frmLang_cmdOK); });
}

void frmLang::setWindowCaption(const std::u16string& caption) {
    setWindowTitle(QString::fromStdU16String(caption));
}

// exec() shows the window modal to the whole program.
void frmLang::showCentred() {
    centreOnScreen(*this);
    exec();
}

void frmLang::closeWindow() {
    m_closingByOk = true;
    accept();
}

void frmLang::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (visible) {
        centreOnScreen(*this);
    }
}

void frmLang::reject() {}

void frmLang::closeEvent(QCloseEvent* event) {
    if (m_closingByOk) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace veltrano
