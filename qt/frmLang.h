#pragma once

#include <QDialog>

#include "desktop/LanguageWindowView.h"
#include "qt/QtControlView.h"

class QCloseEvent;

namespace veltrano {

class LanguageWindow;

// The language window in Qt: a modal dialog with no way out but OK.
class frmLang : public QDialog, public QtControlView<LanguageWindowView> {
  public:
    frmLang(LanguageWindow& model, QWidget* owner);

    // --- LanguageWindowView ----------------------------------------------------------------
    void setWindowCaption(const std::u16string& caption) override;
    void showCentred() override;
    void closeWindow() override;

    using QtControlView::setVisible;
    // Centred once it shows, when the size of its frame is known.
    void setVisible(bool visible) override;

  protected:
    // Escape and the window manager's close do nothing: OK is the only way out.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    bool m_closingByOk = false;
};

}  // namespace veltrano
