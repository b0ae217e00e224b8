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
      m_model(model),
      m_controls(*this, WindowId::frmHilfe) {
    const WindowSpec& design = ControlTable::window(WindowId::frmHilfe);
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf16(design.caption));
    setWindowIcon(WheelPictures::windowIcon());
    resize(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    m_controls.as<QLabel>(ControlId::frmHilfe_imgDeu)
        ->setPixmap(HelpPicture::draw(HelpPictureContent::german()));
    m_controls.as<QLabel>(ControlId::frmHilfe_imgEng)
        ->setPixmap(HelpPicture::draw(HelpPictureContent::english()));
}

void frmHilfe::setCaption(ControlId control, const std::u16string& caption) {
    m_controls.setCaption(control, caption);
}

void frmHilfe::setToolTip(ControlId control, const std::u16string& tip) {
    m_controls.setToolTip(control, tip);
}

void frmHilfe::setEnabled(ControlId control, bool enabled) {
    m_controls.setEnabled(control, enabled);
}

void frmHilfe::setVisible(ControlId control, bool visible) {
    m_controls.setVisible(control, visible);
}

void frmHilfe::setPosition(ControlId control, int left, int top) {
    m_controls.setPosition(control, left, top);
}

void frmHilfe::setListItems(ControlId list, const std::vector<std::u16string>& items) {
    m_controls.setListItems(list, items);
}

void frmHilfe::setListIndex(ControlId list, int index) {
    m_controls.setListIndex(list, index);
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
