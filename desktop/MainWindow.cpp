#include "desktop/MainWindow.h"

#include <filesystem>
#include <utility>

#include "app/ExitStatus.h"
#include "desktop/HelpWindow.h"
#include "desktop/LanguageCaptions.h"
#include "desktop/LanguageWindow.h"
#include "desktop/MainWindowView.h"
#include "desktop/VersionLabel.h"
#include "desktop/YieldPacer.h"
#include "engine/CorrectionRun.h"
#include "platform/NativePath.h"
#include "platform/TextCodec.h"

namespace veltrano {

namespace {

using enum ControlId;

// The protocol box is element 2 of a one-element control array; its handlers get that index.
constexpr int kTxtAnzeigeIndex = 2;
constexpr int kKeyAsciiCtrlA = 1;

// The controls a run locks, and Timer1 unlocks when no run is going on.
constexpr std::array kInputControls{cmdQuit,       cmdCorrectPickups, cmdHelp, cmbLang,
                                    cmbFuellstand, chkChangeAll,      cmdClear};

std::vector<std::u16string> fuelLevelItems(const LanguageCaptions& captions) {
    return {captions.fuelLevelItems.begin(), captions.fuelLevelItems.end()};
}

}  // namespace

MainWindow::MainWindow(MainWindowView& view)
    : MainWindow(view, std::make_unique<FileSystem>(), std::make_unique<Clock>(),
                 std::make_unique<YieldPacer>(ProtocolBoxFeed::kPeriod)) {}

MainWindow::MainWindow(MainWindowView& view, FileSystem& fileSystem, Clock& clock, PaceClock& pace)
    : m_view(view),
      m_fileSystem(fileSystem),
      m_clock(clock),
      m_pace(pace),
      m_program(view),
      m_listing(m_fileSystem),
      m_routeCheck(m_state, m_listing, m_fileSystem, m_program),
      m_worldFileTest(m_state, m_listing, m_fileSystem, m_program),
      m_feed(view, pace) {
    // The model starts from the design, as the front has created the controls; a list shows its
    // first item until Form_Load selects one.
    for (const ControlDesign& control : ControlTable::controls()) {
        const std::size_t i = slot(control.id);
        m_enabled[i] = true;
        m_visible[i] = control.visible;
        m_place[i] = control.place;
        m_listItems[i].assign(control.items.begin(), control.items.end());
    }
}

MainWindow::MainWindow(MainWindowView& view, std::unique_ptr<FileSystem> fileSystem,
                       std::unique_ptr<Clock> clock, std::unique_ptr<PaceClock> pace)
    : MainWindow(view, *fileSystem, *clock, *pace) {
    m_ownFileSystem = std::move(fileSystem);
    m_ownClock = std::move(clock);
    m_ownPace = std::move(pace);
}

MainWindow::~MainWindow() = default;

// --- start-up and end ----------------------------------------------------------------------

void MainWindow::Form_Load() {
    {
        LanguageWindow language(m_state);
        m_view.openLanguageWindowModally(language);
    }
    setAnimationInterval(0);
    setVisible(imgRunning01, true);
    m_state.garrFuellstandCode = {u"0", u"1", u"2", u"4", u"8"};
    selectListItem(cmbFuellstand, 0);  // its click handler sets the fill level
    selectListItem(cmbLang, m_state.gstrLanguage == "deutsch" ? 1 : 0);
    // The route is the folder the program was started in, not the one that holds it.
    m_state.gstrRoutePath = NativePath::utf8(std::filesystem::current_path());
    if (!m_routeCheck.subCheckRouteFolder(true)) {
        return;
    }
    if (m_fileSystem.folderExists(m_fileSystem.resolvePath(m_state.gstrRoutePath, "WORLD"))) {
        m_view.setCaption(lblCopyPfad, TextCodec::fromUtf8(m_state.gstrRoutePath));
    }
    if (!m_worldFileTest.passes()) {
        return;
    }
    m_view.showCentred();
    m_view.setWindowCaption(std::u16string(ControlTable::window(WindowId::frmHaupt).caption) +
                            u' ' + versionLabel());
    m_view.setCaption(lblZeit, u"");
    repaint();
}

void MainWindow::cmdQuit_Click() {
    m_program.endProgram(ExitStatus::kCompleted);
}

// --- the run ---------------------------------------------------------------------------------

void MainWindow::cmdCorrectPickups_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/,
                                           float /*Y*/) {
    // The lock takes hold at once, not only at Timer1's next tick: nothing may slip into the
    // first half second of a run that already yields.
    setInputControlsEnabled(false);
    m_pace.start();
    CorrectionRun run(m_state, *this, m_fileSystem, m_clock, m_runOptions);
    const RunResult result = run.run();
    m_pace.stop();
    if (result.outcome == RunOutcome::RouteFolderUnusable) {
        return;  // the check has shown its message and ended the program
    }
    m_feed.flush();
}

void MainWindow::setInputControlsEnabled(bool enabled) {
    for (const ControlId control : kInputControls) {
        setEnabled(control, enabled);
    }
}

// --- RunHost -------------------------------------------------------------------------------

void MainWindow::setStatusLine(const std::u16string& text) {
    m_view.setCaption(lblZeit, text);
}

std::u16string MainWindow::protocolBoxText() {
    m_feed.flush();
    return m_view.boxText();
}

void MainWindow::showProtocol(const Protocol& protocol) {
    m_feed.show(protocol);
}

void MainWindow::yieldToEvents() {
    if (!m_pace.takeDue()) {
        return;
    }
    m_feed.flush();
    m_view.processPendingEvents();
}

void MainWindow::setAnimationInterval(int milliseconds) {
    m_tmrBlinkenInterval = milliseconds;
    m_view.setTimerInterval(tmrBlinken, milliseconds);
}

void MainWindow::setBusyPointer(bool busy) {
    m_view.setBusyPointer(busy);
}

void MainWindow::repaint() {
    m_view.repaint();
}

int MainWindow::changeAllValue() {
    return m_chkChangeAllValue;
}

bool MainWindow::checkRouteFolderSilently() {
    return m_routeCheck.subCheckRouteFolder(false);
}

// --- options and language ------------------------------------------------------------------

void MainWindow::cmbFuellstand_Click() {
    const int index = m_listIndex[slot(cmbFuellstand)];
    // No item (-1) counts as the first level, as any index past the five would.
    m_state.gvarFuellstand = static_cast<unsigned>(index) <= 4 ? index : 0;
}

void MainWindow::cmbLang_Click() {
    const int index = m_listIndex[slot(cmbLang)];
    const auto& items = m_listItems[slot(cmbLang)];
    const auto item = static_cast<std::size_t>(index);  // no item (-1) is past the end
    m_state.gstrLanguage = item < items.size() ? TextCodec::toUtf8(items[item]) : std::string();
    subSetLanguage(m_state.gstrLanguage);
}

void MainWindow::subSetLanguage(const std::string& varLanguage) {
    const int fillLevelIndex = m_listIndex[slot(cmbFuellstand)];
    const auto apply = [this](const LanguageCaptions& captions) {
        m_state.gstrSaveFolder = captions.saveFolder;
        m_view.setCaption(lblRouteIs, captions.routeIs);
        m_view.setCaption(cmdCorrectPickups, captions.correctPickups);
        m_view.setToolTip(cmdCorrectPickups, captions.correctPickupsTip);
        m_view.setCaption(cmdHelp, captions.help);
        m_view.setToolTip(cmdHelp, captions.helpTip);
        m_view.setCaption(lblFuelstand, captions.fuelLevel);
        m_view.setToolTip(cmbFuellstand, captions.fuelLevelTip);
        setListItems(cmbFuellstand, fuelLevelItems(captions));
        selectListItem(cmbFuellstand, 0);
        m_view.setCaption(chkChangeAll, captions.changeAll);
        m_view.setToolTip(chkChangeAll, captions.changeAllTip);
        m_view.setToolTip(cmdClear, captions.clearTip);
        m_view.setToolTip(cmdQuit, captions.quitTip);
        m_view.setToolTip(txtAnzeige, captions.protocolTip);
    };
    if (varLanguage == "deutsch") {
        apply(LanguageCaptions::german());
    }
    if (varLanguage == "english" || varLanguage.empty()) {
        apply(LanguageCaptions::english());
    }
    selectListItem(cmbFuellstand, fillLevelIndex);
}

void MainWindow::setListItems(ControlId list, std::vector<std::u16string> items) {
    m_view.setListItems(list, items);
    m_listItems[slot(list)] = std::move(items);
    m_listIndex[slot(list)] = -1;
}

void MainWindow::selectListItem(ControlId list, int index) {
    m_listIndex[slot(list)] = index;
    m_view.setListIndex(list, index);
    runClickHandler(list);
}

void MainWindow::runClickHandler(ControlId list) {
    if (list == cmbFuellstand) {
        cmbFuellstand_Click();
    } else if (list == cmbLang) {
        cmbLang_Click();
    }
}

// --- timers and the busy animation ---------------------------------------------------------

void MainWindow::Timer1_Timer() {
    if (m_tmrBlinkenInterval == 0) {
        setVisible(imgRunning01, true);
        setVisible(imgRunning02, false);
        setVisible(imgRunning03, false);
        setVisible(imgRunning04, false);
    }
    setInputControlsEnabled(!m_state.gblnRunning);
}

void MainWindow::tmrBlinken_Timer() {
    // Tested from the last frame to the first, each newly shown frame only after its own test,
    // so exactly one step happens per tick; each takes the place of the frame before it.
    bool noFrameStepped = true;
    if (visible(imgRunning04)) {
        setVisible(imgRunning04, false);
        setVisible(imgRunning01, true);
        noFrameStepped = false;
    }
    if (visible(imgRunning03)) {
        setVisible(imgRunning03, false);
        setVisible(imgRunning04, true);
        takePlace(imgRunning04, imgRunning03);
        noFrameStepped = false;
    }
    if (visible(imgRunning02)) {
        setVisible(imgRunning02, false);
        setVisible(imgRunning03, true);
        takePlace(imgRunning03, imgRunning02);
        noFrameStepped = false;
    }
    if (noFrameStepped) {
        setVisible(imgRunning01, false);
        setVisible(imgRunning02, true);
        takePlace(imgRunning02, imgRunning01);
    }
    repaint();
}

void MainWindow::takePlace(ControlId next, ControlId previous) {
    TwipsRect& place = m_place[slot(next)];
    place.top = m_place[slot(previous)].top;
    m_view.setPosition(next, place.left, place.top);
    place.left = m_place[slot(previous)].left;
    m_view.setPosition(next, place.left, place.top);
}

void MainWindow::setEnabled(ControlId control, bool enabled) {
    m_enabled[slot(control)] = enabled;
    m_view.setEnabled(control, enabled);
}

void MainWindow::setVisible(ControlId control, bool visible) {
    m_visible[slot(control)] = visible;
    m_view.setVisible(control, visible);
}

// --- protocol box --------------------------------------------------------------------------

void MainWindow::cmdClear_Click() {
    m_feed.clear();
    m_state.gstrProtokoll.clear();
}

void MainWindow::txtAnzeige_Change(int /*Index*/) {
    m_feed.boxChanged();
}

void MainWindow::txtAnzeige_KeyPress(int /*Index*/, int& KeyAscii) {
    if (KeyAscii == kKeyAsciiCtrlA) {
        subSelectAllText(txtAnzeige);
    }
}

void MainWindow::subSelectAllText(ControlId txt) {
    m_view.selectAllText(txt);
}

// --- help ----------------------------------------------------------------------------------

void MainWindow::cmdHelp_Click() {
    if (!m_frmHilfe) {
        m_frmHilfe = std::make_unique<HelpWindow>(m_state);
        m_frmHilfe->attach(m_view.createHelpWindow(*m_frmHilfe));
    }
    m_frmHilfe->showModeless();
}

// --- events from the view ------------------------------------------------------------------

void MainWindow::mouseUp(ControlId control, int Button, int Shift, float X, float Y) {
    // A disabled control raises no events.
    if (control == cmdCorrectPickups && enabled(control)) {
        cmdCorrectPickups_MouseUp(Button, Shift, X, Y);
    }
}

void MainWindow::click(ControlId control) {
    if (!enabled(control)) {
        return;
    }
    switch (control) {
        case cmdQuit:
            cmdQuit_Click();
            break;
        case cmdHelp:
            cmdHelp_Click();
            break;
        case cmdClear:
            cmdClear_Click();
            break;
        default:
            // The run button starts a run on MouseUp only: space and enter start nothing.
            break;
    }
}

void MainWindow::listIndexChanged(ControlId list, int index) {
    if (!enabled(list)) {
        return;
    }
    m_listIndex[slot(list)] = index;
    runClickHandler(list);
}

void MainWindow::checkValueChanged(ControlId box, int value) {
    if (box == chkChangeAll) {
        m_chkChangeAllValue = value;
    }
}

void MainWindow::timerTick(ControlId timer) {
    if (timer == Timer1) {
        Timer1_Timer();
    } else if (timer == tmrBlinken) {
        tmrBlinken_Timer();
    }
}

void MainWindow::boxTextChanged(ControlId box) {
    if (box == txtAnzeige) {
        txtAnzeige_Change(kTxtAnzeigeIndex);
    }
}

void MainWindow::keyPress(ControlId control, int& KeyAscii) {
    if (control == txtAnzeige) {
        txtAnzeige_KeyPress(kTxtAnzeigeIndex, KeyAscii);
    }
}

}  // namespace veltrano
