#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QWidget>
#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "app/WorldFileTest.h"
#include "engine/RunHost.h"
#include "engine/RunState.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "ui/DesktopProgramControl.h"
#include "ui/YieldPacer.h"

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace veltrano {

class frmHilfe;

// The main window: route folder, run options, language list, the run, Help, Clear and Quit
// buttons, the busy animation, the status line and the protocol box. It owns the run state
// and hosts every correction run, which runs inside the run button's MouseUp handler.
class frmHaupt : public QWidget, public RunHost {
  public:
    explicit frmHaupt(DesktopProgramControl& program);
    ~frmHaupt() override;

    // All start-up work, in order: language, defaults, route folder check, world file test,
    // the window centred and shown with the version in its caption.
    void Form_Load();

    void cmdCorrectPickups_MouseUp(int Button, int Shift, float X, float Y);
    void cmbFuellstand_Click();
    void cmbLang_Click();
    void subSetLanguage(const std::string& varLanguage);
    void Timer1_Timer();
    void tmrBlinken_Timer();
    void cmdClear_Click();
    void txtAnzeige_Change(int Index);
    void txtAnzeige_KeyPress(int Index, int& KeyAscii);
    void subSelectAllText(QPlainTextEdit& txt);
    void cmdHelp_Click();
    void cmdQuit_Click();

    RunState& state() { return m_state; }
    // The help window object; made by the first click on Help.
    frmHilfe* helpWindow() const { return m_frmHilfe.get(); }

    // The face every control uses except the protocol box.
    static QFont dialogFont();

    // --- RunHost ---------------------------------------------------------------------------
    void setStatusLine(const std::u16string& text) override;
    std::u16string protocolBoxText() override;
    void showProtocol(const Protocol& protocol) override;
    void yieldToEvents() override;
    void setAnimationInterval(int milliseconds) override;
    void setBusyPointer(bool busy) override;
    void repaint() override;
    int changeAllValue() override;
    bool checkRouteFolderSilently() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window has no close button: Quit is the way out.
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void arrangeTabOrder();
    void connectHandlers();
    void setInputControlsEnabled(bool enabled);
    bool releaseOverRunButton(QEvent* event);
    bool keyPressInProtocolBox(QEvent* event);
    void flushProtocolShow();

    DesktopProgramControl& m_program;
    RunState m_state;
    FileSystem m_fileSystem;
    Clock m_clock;
    FolderListing m_listing;
    RouteFolderCheck m_routeCheck;
    WorldFileTest m_worldFileTest;

    QFrame* m_picture1 = nullptr;
    QPushButton* m_cmdQuit = nullptr;
    QFrame* m_picture2 = nullptr;
    QPushButton* m_cmdCorrectPickups = nullptr;
    QLabel* m_lblCopyPfad = nullptr;
    QPlainTextEdit* m_txtAnzeige = nullptr;
    QLabel* m_lblZeit = nullptr;
    QPushButton* m_cmdHelp = nullptr;
    QComboBox* m_cmbLang = nullptr;
    QLabel* m_lblRouteIs = nullptr;
    QComboBox* m_cmbFuellstand = nullptr;
    QCheckBox* m_chkChangeAll = nullptr;
    QLabel* m_lblFuelstand = nullptr;
    QPushButton* m_cmdClear = nullptr;
    std::array<QLabel*, 4> m_imgRunning{};
    QTimer* m_timer1 = nullptr;
    QTimer* m_tmrBlinken = nullptr;

    std::unique_ptr<frmHilfe> m_frmHilfe;

    // Showing the protocol: shows come far more often than the screen can follow, so a show
    // reaches the box at most once per yield period, and then only with what is new in front.
    YieldPacer m_yieldPacer;
    const Protocol* m_pendingShow = nullptr;
    QElapsedTimer m_sinceLastShow;
    std::size_t m_shownLength = 0;
    bool m_boxHoldsShownProtocol = true;
    bool m_writingBox = false;
};

}  // namespace veltrano
