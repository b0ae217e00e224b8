#include "qt/frmHilfe.h"

#include <QCloseEvent>
#include <QLabel>

#include "desktop/HelpPictureContent.h"
#include "desktop/HelpWindow.h"
#include "qt/HelpPicture.h"
#include "qt/WheelPictures.h"
#include "qt/WindowGeometry.h"

namespace veltrano {

frmHilfe::frmHilfe(HelpWindow& model)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      QtControlView(*this, WindowId::frmHilfe),
      m_model(model) {
    const WindowDesign& design = ControlTable::window(WindowId::frmHilfe);
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf16(design.caption));
    setWindowIcon(WheelPictures::windowIcon());
    resize(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    m_controls.as<QLabel>(ControlId::frmHilfe_imgDeu)
        ->setPixmap(HelpPicture::draw(HelpPictureContent::german()));
    m_controls.as<QLabel>(ControlId::frmHilfe_imgEng)
        ->setPixmap(HelpPicture::draw(HelpPictureContent::english()));
}

void frmHilfe::setWindowCaption(const std::u16string& caption) {
    setWindowTitle(QString::fromStdU16String(caption));
}

void frmHilfe::showCentred() {
    veltrano::showCentred(*this);
}

void frmHilfe::bringToFront() {
    show();
    raise();
    activateWindow();
}

void frmHilfe::closeEvent(QCloseEvent* event) {
    // Unloading: the window keeps nothing of its last load.
    m_model.Form_Unload();
    event->accept();
}

}  // namespace veltrano
