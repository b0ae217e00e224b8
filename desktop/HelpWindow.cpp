#include "desktop/HelpWindow.h"

#include "desktop/ControlTable.h"
#include "desktop/HelpWindowView.h"

namespace veltrano {

namespace {

using enum ControlId;

}  // namespace

HelpWindow::HelpWindow(const RunState& state) : m_state(state) {}

void HelpWindow::attach(HelpWindowView& view) {
    m_view = &view;
}

void HelpWindow::showModeless() {
    if (!m_loaded) {
        Form_Load();
        m_view->showCentred();
    }
    m_view->bringToFront();
}

void HelpWindow::Form_Load() {
    m_loaded = true;
    // Both pictures take the same place, so whichever language shows, it shows there.
    const TwipsRect deu = ControlTable::control(frmHilfe_imgDeu).place;
    const TwipsRect eng = ControlTable::control(frmHilfe_imgEng).place;
    m_view->setPosition(frmHilfe_imgEng, eng.left, deu.top);
    m_view->setPosition(frmHilfe_imgEng, deu.left, deu.top);
    if (m_state.gstrLanguage == "deutsch") {
        m_view->setWindowCaption(u"Hilfe zu Veltrano");
        m_view->setVisible(frmHilfe_imgEng, false);
        m_view->setVisible(frmHilfe_imgDeu, true);
    } else {
        m_view->setWindowCaption(u"Help for Veltrano");
        m_view->setVisible(frmHilfe_imgDeu, false);
        m_view->setVisible(frmHilfe_imgEng, true);
    }
}

void HelpWindow::Form_Unload() {
    m_loaded = false;
    placeDesignedPictures();
}

void HelpWindow::placeDesignedPictures() {
    for (const ControlId picture : {frmHilfe_imgDeu, frmHilfe_imgEng}) {
        const ControlDesign& design = ControlTable::control(picture);
        m_view->setPosition(picture, design.place.left, design.place.top);
        m_view->setVisible(picture, design.visible);
    }
}

}  // namespace veltrano
