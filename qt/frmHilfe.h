#pragma once

#include <QWidget>

#include "desktop/HelpWindowView.h"
#include "qt/QtControlView.h"

class QCloseEvent;

namespace veltrano {

class HelpWindow;

// The help window in Qt: the two help pictures, modeless, with a close button.
class frmHilfe : public QWidget, public QtControlView<HelpWindowView> {
  public:
    explicit frmHilfe(HelpWindow& model);

    // --- HelpWindowView --------------------------------------------------------------------
    void setWindowCaption(const std::u16string& caption) override;
    void showCentred() override;
    void bringToFront() override;

    using QtControlView::setVisible;
    using QWidget::setVisible;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    HelpWindow& m_model;
};

}  // namespace veltrano
