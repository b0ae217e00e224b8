#pragma once

#include <QWidget>

#include "desktop/HelpWindowView.h"
#include "qt/QtControls.h"

class QCloseEvent;

namespace veltrano {

class HelpWindow;

// The help window in Qt: the two help pictures, modeless, with a close button.
class frmHilfe : public QWidget, public HelpWindowView {
  public:
    explicit frmHilfe(HelpWindow& model);

    // --- HelpWindowView --------------------------------------------------------------------
    void setCaption(ControlId control, const std::u16string& caption) override;
    void setToolTip(ControlId control, const std::u16string& tip) override;
    void setEnabled(ControlId control, bool enabled) override;
    void setVisible(ControlId control, bool visible) override;
    void setPosition(ControlId control, int left, int top) override;
    void setListItems(ControlId list, const std::vector<std::u16string>& items) override;
    void setListIndex(ControlId list, int index) override;
    void setWindowCaption(const std::u16string& caption) override;
    void showCentred() override;
    void bringToFront() override;

    using QWidget::setVisible;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    HelpWindow& m_model;
    QtControls m_controls;
};

}  // namespace veltrano
