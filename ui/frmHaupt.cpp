#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <chrono>
#include <filesystem>

#include "engine/CorrectionRun.h"
#include "platform/NativePath.h"
#include "ui/ListSelection.h"
#include "ui/MainWindowLayout.h"
#include "ui/VersionLabel.h"
#include "ui/WheelPictures.h"
#include "ui/WindowGeometry.h"
#include "ui/frmHilfe.h"
#include "ui/frmLang.h"

namespace veltrano {

namespace {

// The protocol box is element 2 of a one-element control array; its handlers get that index.
constexpr int kTxtAnzeigeIndex = 2;
constexpr int kKeyAsciiCtrlA = 1;
constexpr auto kYieldPeriod = std::chrono::milliseconds(15);
constexpr int kTimer1Interval = 500;

// The texts a language switch puts on the main window, in the order it puts them there.
struct Captions {
    const char16_t* saveFolder;
    const char16_t* routeIs;
    const char16_t* correctPickups;
    const char16_t* correctPickupsTip;
    const char16_t* help;
    const char16_t* helpTip;
    const char16_t* fuelLevel;
    const char16_t* fuelLevelTip;
    std::array<const char16_t*, 5> fuelLevelItems;
    const char16_t* changeAll;
    const char16_t* changeAllTip;
    const char16_t* clearTip;
    const char16_t* quitTip;
    const char16_t* protocolTip;
};

constexpr Captions kGerman{u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur",
                           u"Route ist:",
                           u"Pickups korrigieren",
                           u" Klick auf Hilfe Button ",
                           u"Hilfe",
                           u" Hilfe ",
                           u"F\u00fcllstand:",
                           u" Klick auf Hilfe Button ",
                           {u"100% ohne Anzeige", u"  0% mit Anzeige", u" 25% mit Anzeige",
                            u" 50% mit Anzeige", u"100% mit Anzeige"},
                           u"\u00c4ndere alle Pickups",
                           u" Klick auf Hilfe Button ",
                           u" Protokolltext l\u00f6schen ",
                           u" Programmende ",
                           u" Liste gefundener und korrigierter Pickups "};

constexpr Captions kEnglish{u"_Saved_tdb_und_tit_files_before_pickup_correction",
                            u"Route is:",
                            u"Correct Pickups",
                            u" Click on Help button ",
                            u"Help",
                            u" Help ",
                            u"Fuel level:",
                            u" Click on Help button ",
                            {u"100% without Label", u"  0% with Label", u" 25% with Label",
                             u" 50% with Label", u"100% with Label"},
                            u"Change all pickups",
                            u" Click on Help button ",
                            u" Clear protokoll text above ",
                            u" Abbort Program ",
                            u" List of found and corrected pickups "};

QString text(const char16_t* characters) {
    return QString::fromUtf16(characters);
}

template <typename Control>
Control* makeControl(QWidget* parent, const char* name, TwipsRect place) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    placeInTwips(*control, place);
    return control;
}

QFrame* makeColouredFrame(QWidget* parent, const char* name, TwipsRect place, QColor colour) {
    auto* frame = makeControl<QFrame>(parent, name, place);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    frame->setPalette(palette);
    // A picture box takes the focus in its turn of the tab order, though it shows nothing.
    frame->setFocusPolicy(Qt::StrongFocus);
    return frame;
}

QLabel* makeLabel(QWidget* parent, const char* name, TwipsRect place, const QString& caption) {
    auto* label = makeControl<QLabel>(parent, name, place);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    return label;
}

// The mouse button and shift state as the MouseUp handler's arguments count them.
int buttonArgument(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int shiftArgument(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

// The character code a key press delivers, 0 for keys that deliver none (shift, arrows).
int keyAscii(const QKeyEvent& key) {
    if (key.modifiers().testFlag(Qt::ControlModifier) && key.key() >= Qt::Key_A &&
        key.key() <= Qt::Key_Z) {
        return key.key() - Qt::Key_A + 1;
    }
    const QString characters = key.text();
    return characters.isEmpty() ? 0 : characters.front().unicode();
}

}  // namespace

frmHaupt::frmHaupt(DesktopProgramControl& program)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_program(program),
      m_listing(m_fileSystem),
      m_routeCheck(m_state, m_listing, m_fileSystem, m_program),
      m_worldFileTest(m_state, m_listing, m_fileSystem, m_program),
      m_yieldPacer(kYieldPeriod) {
    setObjectName(QStringLiteral("frmHaupt"));
    setWindowTitle(QStringLiteral("Veltrano"));
    setWindowIcon(WheelPictures::windowIcon());
    resize(twipsToPixels(layout::kClientWidth), twipsToPixels(layout::kClientHeight));
    createControls();
    arrangeTabOrder();
    connectHandlers();
    // Timer1 ticks from the moment the window is loaded, through the start-up dialogs too.
    m_timer1->start();
}

frmHaupt::~frmHaupt() = default;

QFont frmHaupt::dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    // The faces that stand in for the narrow dialog face run a little wider; at 7.5 points
    // the longest captions ("Ändere alle Pickups" with its tick box) fit their controls.
    font.setPointSizeF(7.5);
    return font;
}

void frmHaupt::createControls() {
    m_picture1 = makeColouredFrame(this, "Picture1", layout::kPicture1, layout::quitFrameColour());
    m_cmdQuit = makeControl<QPushButton>(m_picture1, "cmdQuit", layout::kCmdQuit);
    m_cmdQuit->setText(QStringLiteral("Quit"));
    m_picture2 = makeColouredFrame(this, "Picture2", layout::kPicture2, layout::runFrameColour());
    m_cmdCorrectPickups =
        makeControl<QPushButton>(m_picture2, "cmdCorrectPickups", layout::kCmdCorrectPickups);
    m_cmdCorrectPickups->setText(text(kEnglish.correctPickups));
    m_lblCopyPfad = makeLabel(this, "lblCopyPfad", layout::kLblCopyPfad, QString());

    m_txtAnzeige = makeControl<QPlainTextEdit>(this, "txtAnzeige", layout::kTxtAnzeige);
    QFont protocolFont(QStringLiteral("Courier New"));
    protocolFont.setStyleHint(QFont::TypeWriter);
    protocolFont.setPointSizeF(8.25);
    protocolFont.setWeight(QFont::Normal);
    m_txtAnzeige->setFont(protocolFont);
    QPalette boxPalette = m_txtAnzeige->palette();
    boxPalette.setColor(QPalette::Base, QColor(224, 224, 224));
    boxPalette.setColor(QPalette::Text, QColor(0, 128, 0));
    m_txtAnzeige->setPalette(boxPalette);
    m_txtAnzeige->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtAnzeige->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtAnzeige->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtAnzeige->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_txtAnzeige->setReadOnly(false);
    m_txtAnzeige->setTabChangesFocus(true);

    m_lblZeit = makeLabel(this, "lblZeit", layout::kLblZeit, QStringLiteral("Dauer:"));
    m_cmdHelp = makeControl<QPushButton>(this, "cmdHelp", layout::kCmdHelp);
    m_cmdHelp->setText(text(kEnglish.help));
    m_cmbLang = makeControl<QComboBox>(this, "cmbLang", layout::kCmbLang);
    m_cmbLang->addItems({QStringLiteral("english"), QStringLiteral("deutsch")});
    m_lblRouteIs = makeLabel(this, "lblRouteIs", layout::kLblRouteIs, text(kEnglish.routeIs));
    m_cmbFuellstand = makeControl<QComboBox>(this, "cmbFuellstand", layout::kCmbFuellstand);
    for (const char16_t* item : kEnglish.fuelLevelItems) {
        m_cmbFuellstand->addItem(text(item));
    }
    m_chkChangeAll = makeControl<QCheckBox>(this, "chkChangeAll", layout::kChkChangeAll);
    m_chkChangeAll->setText(text(kEnglish.changeAll));
    // The tick box stands to the right of its caption.
    m_chkChangeAll->setLayoutDirection(Qt::RightToLeft);
    m_lblFuelstand =
        makeLabel(this, "lblFuelstand", layout::kLblFuelstand, text(kEnglish.fuelLevel));
    m_cmdClear = makeControl<QPushButton>(this, "cmdClear", layout::kCmdClear);
    m_cmdClear->setText(QStringLiteral("Clear"));

    const std::array<TwipsRect, 4> framePlaces{layout::kImgRunning01, layout::kImgRunning02,
                                               layout::kImgRunning03, layout::kImgRunning04};
    const std::array<const char*, 4> frameNames{"imgRunning01", "imgRunning02", "imgRunning03",
                                                "imgRunning04"};
    for (std::size_t i = 0; i < m_imgRunning.size(); ++i) {
        m_imgRunning[i] = makeControl<QLabel>(this, frameNames[i], framePlaces[i]);
        m_imgRunning[i]->setPixmap(WheelPictures::animationFrame(static_cast<int>(i) + 1));
        m_imgRunning[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_imgRunning[i]->setVisible(i == 0);
    }

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(kTimer1Interval);
    m_tmrBlinken = new QTimer(this);
    m_tmrBlinken->setObjectName(QStringLiteral("tmrBlinken"));
    m_tmrBlinken->setInterval(0);
}

void frmHaupt::arrangeTabOrder() {
    // Labels take no focus; every other control in the order of the layout table.
    const std::array<QWidget*, 10> order{m_picture1,     m_cmdQuit, m_picture2, m_cmdCorrectPickups,
                                         m_txtAnzeige,   m_cmdHelp, m_cmbLang,  m_cmbFuellstand,
                                         m_chkChangeAll, m_cmdClear};
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void frmHaupt::connectHandlers() {
    // The run button answers the release of any mouse button and nothing else: its MouseUp
    // is taken from the event stream, and its click (space, enter) is left unconnected.
    m_cmdCorrectPickups->installEventFilter(this);
    m_txtAnzeige->installEventFilter(this);
    connect(m_cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
    connect(m_cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(m_cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(m_cmbLang, &QComboBox::currentIndexChanged, this, [this] { cmbLang_Click(); });
    connect(m_cmbFuellstand, &QComboBox::currentIndexChanged, this,
            [this] { cmbFuellstand_Click(); });
    connect(m_txtAnzeige, &QPlainTextEdit::textChanged, this,
            [this] { txtAnzeige_Change(kTxtAnzeigeIndex); });
    connect(m_timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(m_tmrBlinken, &QTimer::timeout, this, [this] { tmrBlinken_Timer(); });
}

// --- start-up and end ----------------------------------------------------------------------

void frmHaupt::Form_Load() {
    {
        frmLang language(m_state, this);
        language.showModal();
    }
    setAnimationInterval(0);
    m_imgRunning[0]->setVisible(true);
    // The file-system service is the window's own m_fileSystem, there from its creation.
    m_state.gvarFuellstand = 0;
    m_state.garrFuellstandCode = {u"0", u"1", u"2", u"4", u"8"};
    selectListItem(*m_cmbFuellstand, 0, [this] { cmbFuellstand_Click(); });
    selectListItem(*m_cmbLang, m_state.gstrLanguage == "deutsch" ? 1 : 0,
                   [this] { cmbLang_Click(); });
    // The route is the folder the program was started in, not the one that holds it.
    m_state.gstrRoutePath = NativePath::utf8(std::filesystem::current_path());
    if (!m_routeCheck.subCheckRouteFolder(true)) {
        return;
    }
    const std::string worldName = m_fileSystem.findEntry(m_state.gstrRoutePath, "WORLD");
    if (m_fileSystem.folderExists(
            FileSystem::join(m_state.gstrRoutePath, worldName.empty() ? "WORLD" : worldName))) {
        m_lblCopyPfad->setText(QString::fromStdString(m_state.gstrRoutePath));
    }
    if (!m_worldFileTest.passes()) {
        return;
    }
    showCentred(*this);
    setWindowTitle(windowTitle() + u' ' + versionLabel());
    m_lblZeit->setText(QString());
    repaint();
}

void frmHaupt::cmdQuit_Click() {
    m_program.endProgram(0);
}

void frmHaupt::closeEvent(QCloseEvent* event) {
    event->ignore();
}

// --- the run ---------------------------------------------------------------------------------

void frmHaupt::cmdCorrectPickups_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {
    // The lock takes hold at once, not only at Timer1's next tick: nothing may slip into the
    // first half second of a run that already yields.
    setInputControlsEnabled(false);
    m_yieldPacer.start();
    CorrectionRun run(m_state, *this, m_fileSystem, m_clock);
    const RunResult result = run.run();
    m_yieldPacer.stop();
    if (result.outcome == RunOutcome::RouteFolderUnusable) {
        // The check has shown its message and ended the program already.
        if (!m_program.endRequested()) {
            m_program.endProgram(2);
        }
        return;
    }
    flushProtocolShow();
}

void frmHaupt::setInputControlsEnabled(bool enabled) {
    for (QWidget* control :
         std::array<QWidget*, 7>{m_cmdQuit, m_cmdCorrectPickups, m_cmdHelp, m_cmbLang,
                                 m_cmbFuellstand, m_chkChangeAll, m_cmdClear}) {
        control->setEnabled(enabled);
    }
}

bool frmHaupt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_cmdCorrectPickups && event->type() == QEvent::MouseButtonRelease) {
        return releaseOverRunButton(event);
    }
    if (watched == m_txtAnzeige && event->type() == QEvent::KeyPress) {
        return keyPressInProtocolBox(event);
    }
    return QWidget::eventFilter(watched, event);
}

bool frmHaupt::releaseOverRunButton(QEvent* event) {
    // A disabled button raises no events.
    if (!m_cmdCorrectPickups->isEnabled()) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // The button is drawn released before the run starts, and takes no click afterwards.
    m_cmdCorrectPickups->setDown(false);
    const QPointF position = mouse->position();
    cmdCorrectPickups_MouseUp(buttonArgument(mouse->button()), shiftArgument(mouse->modifiers()),
                              static_cast<float>(position.x() * kTwipsPerPixel),
                              static_cast<float>(position.y() * kTwipsPerPixel));
    return true;
}

// --- RunHost -------------------------------------------------------------------------------

void frmHaupt::setStatusLine(const std::u16string& status) {
    m_lblZeit->setText(QString::fromStdU16String(status));
}

std::u16string frmHaupt::protocolBoxText() {
    flushProtocolShow();
    // The box keeps its lines apart with single line feeds; the program's lines end in CR LF.
    QString boxText = m_txtAnzeige->toPlainText();
    boxText.replace(u'\n', QStringLiteral("\r\n"));
    return boxText.toStdU16String();
}

void frmHaupt::showProtocol(const Protocol& protocol) {
    m_pendingShow = &protocol;
    if (!m_sinceLastShow.isValid() ||
        m_sinceLastShow.elapsed() >= static_cast<qint64>(kYieldPeriod.count())) {
        flushProtocolShow();
    }
}

void frmHaupt::flushProtocolShow() {
    if (m_pendingShow == nullptr) {
        return;
    }
    const Protocol& protocol = *m_pendingShow;
    m_pendingShow = nullptr;
    m_sinceLastShow.start();

    QScopedValueRollback writing(m_writingBox, true);
    QTextDocument* document = m_txtAnzeige->document();
    // The program's writes are not the user's edits to undo, and would pile up without end.
    document->setUndoRedoEnabled(false);
    if (m_boxHoldsShownProtocol && protocol.length() >= m_shownLength) {
        const std::u16string newFront = protocol.newestSince(m_shownLength);
        if (!newFront.empty()) {
            QTextCursor front(document);
            front.insertText(QString::fromStdU16String(newFront));
        }
    } else {
        m_txtAnzeige->setPlainText(QString::fromStdU16String(protocol.text()));
    }
    document->setUndoRedoEnabled(true);
    m_shownLength = protocol.length();
    m_boxHoldsShownProtocol = true;
    // As after a new box text: caret and view at the start, where the newest lines stand.
    m_txtAnzeige->moveCursor(QTextCursor::Start);
    m_txtAnzeige->verticalScrollBar()->setValue(0);
}

void frmHaupt::yieldToEvents() {
    if (!m_yieldPacer.takeDue()) {
        return;
    }
    flushProtocolShow();
    QCoreApplication::processEvents();
}

void frmHaupt::setAnimationInterval(int milliseconds) {
    m_tmrBlinken->setInterval(milliseconds);
    if (milliseconds == 0) {
        m_tmrBlinken->stop();
    } else {
        m_tmrBlinken->start();
    }
}

void frmHaupt::setBusyPointer(bool busy) {
    if (busy) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

void frmHaupt::repaint() {
    // The run passes a due yield at least every 15 ms, where a scheduled paint reaches the
    // screen; painting synchronously after each of hundreds of world files only made a large
    // route slower, not the window livelier.
    update();
}

int frmHaupt::changeAllValue() {
    return m_chkChangeAll->isChecked() ? 1 : 0;
}

bool frmHaupt::checkRouteFolderSilently() {
    return m_routeCheck.subCheckRouteFolder(false);
}

// --- options and language ------------------------------------------------------------------

void frmHaupt::cmbFuellstand_Click() {
    const int index = m_cmbFuellstand->currentIndex();
    m_state.gvarFuellstand = (index < 0 || index > 4) ? 0 : index;
}

void frmHaupt::cmbLang_Click() {
    m_state.gstrLanguage = m_cmbLang->currentText().toStdString();
    subSetLanguage(m_state.gstrLanguage);
}

void frmHaupt::subSetLanguage(const std::string& varLanguage) {
    const int fillLevelIndex = m_cmbFuellstand->currentIndex();
    const auto apply = [this](const Captions& captions) {
        m_state.gstrSaveFolder = captions.saveFolder;
        m_lblRouteIs->setText(text(captions.routeIs));
        m_cmdCorrectPickups->setText(text(captions.correctPickups));
        m_cmdCorrectPickups->setToolTip(text(captions.correctPickupsTip));
        m_cmdHelp->setText(text(captions.help));
        m_cmdHelp->setToolTip(text(captions.helpTip));
        m_lblFuelstand->setText(text(captions.fuelLevel));
        m_cmbFuellstand->setToolTip(text(captions.fuelLevelTip));
        for (int index = m_cmbFuellstand->count() - 1; index >= 0; --index) {
            m_cmbFuellstand->removeItem(index);
        }
        for (const char16_t* item : captions.fuelLevelItems) {
            m_cmbFuellstand->addItem(text(item));
        }
        selectListItem(*m_cmbFuellstand, 0, [this] { cmbFuellstand_Click(); });
        m_chkChangeAll->setText(text(captions.changeAll));
        m_chkChangeAll->setToolTip(text(captions.changeAllTip));
        m_cmdClear->setToolTip(text(captions.clearTip));
        m_cmdQuit->setToolTip(text(captions.quitTip));
        m_txtAnzeige->setToolTip(text(captions.protocolTip));
    };
    if (varLanguage == "deutsch") {
        apply(kGerman);
    }
    if (varLanguage == "english" || varLanguage.empty()) {
        apply(kEnglish);
    }
    selectListItem(*m_cmbFuellstand, fillLevelIndex, [this] { cmbFuellstand_Click(); });
}

// --- timers --------------------------------------------------------------------------------

void frmHaupt::Timer1_Timer() {
    if (m_tmrBlinken->interval() == 0) {
        m_imgRunning[0]->setVisible(true);
        m_imgRunning[1]->setVisible(false);
        m_imgRunning[2]->setVisible(false);
        m_imgRunning[3]->setVisible(false);
    }
    setInputControlsEnabled(!m_state.gblnRunning);
}

void frmHaupt::tmrBlinken_Timer() {
    // Tested from the last frame to the first, each newly shown frame only after its own test,
    // so exactly one step happens per tick; each takes the place of the frame before it.
    auto& [img01, img02, img03, img04] = m_imgRunning;
    bool noFrameStepped = true;
    if (!img04->isHidden()) {
        img04->setVisible(false);
        img01->setVisible(true);
        noFrameStepped = false;
    }
    if (!img03->isHidden()) {
        img03->setVisible(false);
        img04->setVisible(true);
        img04->move(img04->x(), img03->y());
        img04->move(img03->x(), img04->y());
        noFrameStepped = false;
    }
    if (!img02->isHidden()) {
        img02->setVisible(false);
        img03->setVisible(true);
        img03->move(img03->x(), img02->y());
        img03->move(img02->x(), img03->y());
        noFrameStepped = false;
    }
    if (noFrameStepped) {
        img01->setVisible(false);
        img02->setVisible(true);
        img02->move(img02->x(), img01->y());
        img02->move(img01->x(), img02->y());
    }
    repaint();
}

// --- protocol box --------------------------------------------------------------------------

void frmHaupt::cmdClear_Click() {
    {
        QScopedValueRollback writing(m_writingBox, true);
        m_txtAnzeige->setPlainText(QString());
    }
    m_state.gstrProtokoll.clear();
    m_pendingShow = nullptr;
    m_shownLength = 0;
    m_boxHoldsShownProtocol = true;
}

void frmHaupt::txtAnzeige_Change(int /*Index*/) {
    // The run keeps the window busy between its yields; without this the new text would show
    // only when the run ends.
    m_txtAnzeige->viewport()->repaint();
    if (!m_writingBox) {
        m_boxHoldsShownProtocol = false;
    }
}

bool frmHaupt::keyPressInProtocolBox(QEvent* event) {
    int KeyAscii = keyAscii(*static_cast<QKeyEvent*>(event));
    if (KeyAscii == 0) {
        return false;
    }
    const bool selectAll = KeyAscii == kKeyAsciiCtrlA;
    txtAnzeige_KeyPress(kTxtAnzeigeIndex, KeyAscii);
    // Ctrl+A is no input for the box; every other key goes on to its normal handling.
    return selectAll || KeyAscii == 0;
}

void frmHaupt::txtAnzeige_KeyPress(int /*Index*/, int& KeyAscii) {
    if (KeyAscii == kKeyAsciiCtrlA) {
        subSelectAllText(*m_txtAnzeige);
    }
}

void frmHaupt::subSelectAllText(QPlainTextEdit& txt) {
    QTextCursor selection = txt.textCursor();
    selection.setPosition(0);
    selection.setPosition(static_cast<int>(txt.toPlainText().size()), QTextCursor::KeepAnchor);
    txt.setTextCursor(selection);
}

// --- help ----------------------------------------------------------------------------------

void frmHaupt::cmdHelp_Click() {
    if (!m_frmHilfe) {
        m_frmHilfe = std::make_unique<frmHilfe>(m_state);
    }
    m_frmHilfe->showModeless();
}

}  // namespace veltrano
