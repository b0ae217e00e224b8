#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "app/WorldFileTest.h"
#include "desktop/ControlId.h"
#include "desktop/ControlTable.h"
#include "desktop/DesktopProgramControl.h"
#include "desktop/ProtocolBoxFeed.h"
#include "engine/CorrectionRun.h"
#include "engine/RunHost.h"
#include "engine/RunState.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace veltrano {

class HelpWindow;
class MainWindowView;
class PaceClock;

// The main window's behaviour: route folder, run options, language list, the run, Help, Clear
// and Quit, the busy animation, the status line and the protocol box. It owns the run state and
// hosts every correction run, which runs inside the run button's MouseUp handler.
//
// The front creates the controls from the ControlTable, then this model, then calls Form_Load.
// Its events come back through the calls under "events from the view".
class MainWindow : public RunHost {
  public:
    // With the real file system, clock and yield beat.
    explicit MainWindow(MainWindowView& view);
    // With the given services, which must outlive the window.
    MainWindow(MainWindowView& view, FileSystem& fileSystem, Clock& clock, PaceClock& pace);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // All start-up work, in order: language, defaults, route folder check, world file test,
    // the window centred and shown with the version in its caption.
    void Form_Load();
    // How every run of this window scans; set from the command line before Form_Load.
    void setRunOptions(RunOptions options) { m_runOptions = options; }

    void cmdCorrectPickups_MouseUp(int Button, int Shift, float X, float Y);
    void cmbFuellstand_Click();
    void cmbLang_Click();
    void subSetLanguage(const std::string& varLanguage);
    void Timer1_Timer();
    void tmrBlinken_Timer();
    void cmdClear_Click();
    void txtAnzeige_Change(int Index);
    void txtAnzeige_KeyPress(int Index, int& KeyAscii);
    void subSelectAllText(ControlId txt);
    void cmdHelp_Click();
    void cmdQuit_Click();

    // --- events from the view -------------------------------------------------------------
    // A mouse button was released over `control` (Button 1 left, 2 right, 4 middle; Shift 1
    // shift, 2 ctrl, 4 alt; X, Y twips in the control).
    void mouseUp(ControlId control, int Button, int Shift, float X, float Y);
    void click(ControlId control);
    // The user picked item `index` of a list.
    void listIndexChanged(ControlId list, int index);
    // The user ticked (1) or cleared (0) a check box.
    void checkValueChanged(ControlId box, int value);
    void timerTick(ControlId timer);
    // The text of a box changed, by the user or by the program's own write.
    void boxTextChanged(ControlId box);
    // A key typed in `control` delivered character code KeyAscii (Ctrl+A is 1). The handler
    // reads it and leaves it unchanged; the control gets the key next.
    void keyPress(ControlId control, int& KeyAscii);

    RunState& state() { return m_state; }
    // The help window; made by the first click on Help.
    const HelpWindow* helpWindow() const { return m_frmHilfe.get(); }
    bool enabled(ControlId control) const { return m_enabled[slot(control)]; }

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

  private:
    MainWindow(MainWindowView& view, std::unique_ptr<FileSystem> fileSystem,
               std::unique_ptr<Clock> clock, std::unique_ptr<PaceClock> pace);

    static std::size_t slot(ControlId control) {
        return static_cast<std::size_t>(indexOf(control));
    }

    void setEnabled(ControlId control, bool enabled);
    void setVisible(ControlId control, bool visible);
    bool visible(ControlId control) const { return m_visible[slot(control)]; }
    // The frame `next` takes the place of `previous`: Top first, then Left.
    void takePlace(ControlId next, ControlId previous);
    void setInputControlsEnabled(bool enabled);
    void setListItems(ControlId list, std::vector<std::u16string> items);
    // Selects an item by program; its click handler runs as on the user's choice.
    void selectListItem(ControlId list, int index);
    void runClickHandler(ControlId list);

    MainWindowView& m_view;
    std::unique_ptr<FileSystem> m_ownFileSystem;
    std::unique_ptr<Clock> m_ownClock;
    std::unique_ptr<PaceClock> m_ownPace;
    FileSystem& m_fileSystem;
    Clock& m_clock;
    PaceClock& m_pace;

    RunState m_state;
    RunOptions m_runOptions;
    DesktopProgramControl m_program;
    FolderListing m_listing;
    RouteFolderCheck m_routeCheck;
    WorldFileTest m_worldFileTest;
    ProtocolBoxFeed m_feed;

    std::array<bool, kControlCount> m_enabled{};
    std::array<bool, kControlCount> m_visible{};
    std::array<TwipsRect, kControlCount> m_place{};
    std::array<int, kControlCount> m_listIndex{};
    std::array<std::vector<std::u16string>, kControlCount> m_listItems{};
    int m_chkChangeAllValue = 0;
    int m_tmrBlinkenInterval = 0;

    std::unique_ptr<HelpWindow> m_frmHilfe;
};

}  // namespace veltrano
