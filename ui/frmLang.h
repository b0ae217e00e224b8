#pragma once

#include <QDialog>

#include "engine/RunState.h"

class QCloseEvent;
class QComboBox;
class QPushButton;

namespace veltrano {

// The language window of the start-up: a list with "english" and "deutsch" and an OK button,
// modal, with no way out but OK. Whatever is selected when OK is pressed is the language.
class frmLang : public QDialog {
  public:
    frmLang(RunState& state, QWidget* owner);

    // Loads the window, centres it and waits until OK closes it.
    void showModal();

    void Form_Load();
    void cmbLang_Click();
    void cmdOK_Click();

    // Centred once it shows, when the size of its frame is known.
    void setVisible(bool visible) override;

  protected:
    // Escape and the window manager's close do nothing: OK is the only way out.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    RunState& m_state;
    QComboBox* m_cmbLang;
    QPushButton* m_cmdOK;
    bool m_closingByOk = false;
};

}  // namespace veltrano
