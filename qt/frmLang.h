#pragma once

#include <QDialog>

#include "desktop/LanguageWindowView.h"
#include "qt/QtControls.h"

class QCloseEvent;

namespace veltrano {

class LanguageWindow;

// The language window in Qt: a modal dialog with no way out but OK.
class frmLang : public QDialog, public LanguageWindowView {
  public:
    frmLang(LanguageWindow& model, QWidget* owner);

    // --- LanguageWindowView ----------------------------------------------------------------
    void setCaption(ControlId control, const std::u16string& caption) override;
    void setToolTip(ControlId control, const std::u16string& tip) override;
    void setEnabled(ControlId control, bool enabled) override;
    void setVisible(ControlId control, bool visible) override;
    void setPosition(ControlId control, int left, int top) override;
    void setListItems(ControlId list, const std::vector<std::u16string>& items) override;
    void setListIndex(ControlId list, int index) override;
    void setWindowCaption(const std::u16string& caption) override;
    void showCentred() override;
    void closeWindow() override;

    // Centred once it shows, when the size of its frame is known.
    void setVisible(bool visible) override;

  protected:
    // Escape and the window manager's close do nothing: OK is the only way out.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QtControls m_controls;
    bool m_closingByOk = false;
};

}  // namespace veltrano
