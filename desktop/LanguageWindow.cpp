#include "desktop/LanguageWindow.h"

#include "desktop/ControlTable.h"
#include "desktop/LanguageWindowView.h"
#include "desktop/VersionLabel.h"
#include "platform/TextCodec.h"

namespace veltrano {

LanguageWindow::LanguageWindow(RunState& state) : m_state(state) {}

void LanguageWindow::show(LanguageWindowView& view) {
    m_view = &view;
    Form_Load();
    m_view->showCentred();
    m_view = nullptr;
}

void LanguageWindow::Form_Load() {
    m_state.gstrLanguage = "english";
    m_view->setWindowCaption(std::u16string(ControlTable::window(WindowId::frmLang).caption) +
                             u' ' + versionLabel());
    m_listIndex = 0;
    m_view->setListIndex(ControlId::frmLang_cmbLang, 0);
    cmbLang_Click();
}

void LanguageWindow::cmbLang_Click() {
    const auto items = ControlTable::control(ControlId::frmLang_cmbLang).items;
    // No item (-1) is past the end as well.
    const auto index = static_cast<std::size_t>(m_listIndex);
    m_state.gstrLanguage = index < items.size() ? TextCodec::toUtf8(items[index]) : std::string();
}

void LanguageWindow::cmdOK_Click() {
    m_view->closeWindow();
}

void LanguageWindow::click(ControlId control) {
    if (control == ControlId::frmLang_cmdOK) {
        cmdOK_Click();
    }
}

void LanguageWindow::listIndexChanged(ControlId list, int index) {
    if (list == ControlId::frmLang_cmbLang) {
        m_listIndex = index;
        cmbLang_Click();
    }
}

}  // namespace veltrano
