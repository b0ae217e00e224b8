#pragma once

#include <QMessageBox>
#include <QWidget>
#include <functional>
#include <memory>

#include "desktop/MainWindow.h"
#include "desktop/MainWindowView.h"
#include "qt/QtControlView.h"

class QCloseEvent;

namespace veltrano {

class frmHilfe;

// The main window in Qt: draws what MainWindow decides and hands it the user's events.
class frmHaupt : public QWidget, public QtControlView<MainWindowView> {
  public:
    using ProcessEnd = std::function<void(int exitStatus)>;

    // `processEnd` ends the process; a harness that must outlive the program records it.
    explicit frmHaupt(ProcessEnd processEnd = &frmHaupt::endProcessNow);
    ~frmHaupt() override;

    void Form_Load() { m_model->Form_Load(); }
    MainWindow& model() { return *m_model; }
    RunState& state() { return m_model->state(); }

    // Flushes what the C library still buffers and ends the process with `exitStatus`, without
    // running any exit handler or destructor.
    static void endProcessNow(int exitStatus);
    // The program's message box (caption Veltrano, no icon, plain text) with `buttons`, Enter
    // pressing `defaultButton`; the answer is the button pressed.
    static QMessageBox::StandardButton askInBox(const std::u16string& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton);

    // --- MainWindowView --------------------------------------------------------------------
    void setWindowCaption(const std::u16string& caption) override;
    void showCentred() override;
    void setTimerInterval(ControlId timer, int milliseconds) override;
    std::u16string boxText() override;
    void insertAtBoxFront(const std::u16string& text) override;
    void replaceBoxText(const std::u16string& text) override;
    void selectAllText(ControlId box) override;
    void setBusyPointer(bool busy) override;
    void repaint() override;
    void processPendingEvents() override;
    void openLanguageWindowModally(LanguageWindow& window) override;
    HelpWindowView& createHelpWindow(HelpWindow& window) override;
    void showMessage(const std::u16string& text) override;
    void endProgram(int exitStatus) override;

    using QtControlView::setEnabled;
    using QtControlView::setVisible;
    using QWidget::setEnabled;
    using QWidget::setVisible;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window has no close button: Quit is the way out.
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectHandlers();
    void releaseOverRunButton(QEvent* event);
    void keyPressInProtocolBox(QEvent* event);
    // After a program write: caret and view at the start, where the newest lines stand.
    void showBoxStart();

    ProcessEnd m_processEnd;
    std::unique_ptr<MainWindow> m_model;
    // Made by the model's first Help; goes before the model whose HelpWindow it serves.
    std::unique_ptr<frmHilfe> m_frmHilfe;
};

}  // namespace veltrano
