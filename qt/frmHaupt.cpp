#include "qt/frmHaupt.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "desktop/HelpWindow.h"
#include "desktop/LanguageWindow.h"
#include "qt/WheelPictures.h"
#include "qt/WindowGeometry.h"
#include "qt/frmHilfe.h"
#include "qt/frmLang.h"

namespace veltrano {

namespace {

using enum ControlId;

// Qt numbers the three mouse buttons, and Shift, Ctrl and Alt from bit 25 on, as the MouseUp
// handler counts them (Button 1 left, 2 right, 4 middle; Shift 1, Ctrl 2, Alt 4).
static_assert(Qt::LeftButton == 1);
static_assert(Qt::RightButton == 2);
static_assert(Qt::MiddleButton == 4);
static_assert(Qt::ShiftModifier == 1 << 25);
static_assert(Qt::ControlModifier == 2 << 25);
static_assert(Qt::AltModifier == 4 << 25);

int buttonArgument(Qt::MouseButton button) {
    return static_cast<int>(button) & 7;
}

int shiftArgument(Qt::KeyboardModifiers modifiers) {
    return static_cast<int>(modifiers.toInt() >> 25) & 7;
}

// The character code a key press delivers, 0 for keys that deliver none (shift, arrows). Ctrl
// and a letter deliver its control character (Ctrl+A 1); where a platform gives none, the box's
// own Select All still answers Ctrl+A.
int keyAscii(const QKeyEvent& key) {
    const QString characters = key.text();
    return characters.isEmpty() ? 0 : characters.front().unicode();
}

}  // namespace

frmHaupt::frmHaupt(ProcessEnd processEnd)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      QtControlView(*this, WindowId::frmHaupt),
      m_processEnd(std::move(processEnd)) {
    const WindowDesign& design = ControlTable::window(WindowId::frmHaupt);
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf16(design.caption));
    setWindowIcon(WheelPictures::windowIcon());
    resize(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    int frame = 1;
    for (const ControlId image : {imgRunning01, imgRunning02, imgRunning03, imgRunning04}) {
        m_controls.as<QLabel>(image)->setPixmap(WheelPictures::animationFrame(frame++));
    }
    m_model = std::make_unique<MainWindow>(*this);
    connectHandlers();
}

frmHaupt::~frmHaupt() = default;

void frmHaupt::connectHandlers() {
    // The run button answers the release of any mouse button and nothing else: its MouseUp
    // is taken from the event stream, and its click (space, enter) is left unconnected.
    auto* box = m_controls.as<QPlainTextEdit>(txtAnzeige);
    m_controls.widget(cmdCorrectPickups)->installEventFilter(this);
    box->installEventFilter(this);
    for (const ControlId button : {cmdQuit, cmdHelp, cmdClear}) {
        connect(m_controls.as<QPushButton>(button), &QPushButton::clicked, this,
                [this, button] { m_model->click(button); });
    }
    for (const ControlId list : {cmbLang, cmbFuellstand}) {
        connect(m_controls.as<QComboBox>(list), &QComboBox::currentIndexChanged, this,
                [this, list](int index) { m_model->listIndexChanged(list, index); });
    }
    connect(m_controls.as<QCheckBox>(chkChangeAll), &QCheckBox::toggled, this,
            [this](bool checked) { m_model->checkValueChanged(chkChangeAll, checked ? 1 : 0); });
    connect(box, &QPlainTextEdit::textChanged, this, [this, box] {
        // The run keeps the window busy between its yields; without this the new text would
        // show only when the run ends.
        box->viewport()->repaint();
        m_model->boxTextChanged(txtAnzeige);
    });
    for (const ControlId timer : {Timer1, tmrBlinken}) {
        connect(m_controls.timer(timer), &QTimer::timeout, this,
                [this, timer] { m_model->timerTick(timer); });
    }
}

void frmHaupt::closeEvent(QCloseEvent* event) {
    event->ignore();
}

bool frmHaupt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_controls.widget(cmdCorrectPickups) &&
        event->type() == QEvent::MouseButtonRelease) {
        releaseOverRunButton(event);
    }
    if (watched == m_controls.widget(txtAnzeige) && event->type() == QEvent::KeyPress) {
        keyPressInProtocolBox(event);
    }
    return QWidget::eventFilter(watched, event);
}

void frmHaupt::releaseOverRunButton(QEvent* event) {
    auto* button = m_controls.as<QPushButton>(cmdCorrectPickups);
    // A disabled button raises no events.
    if (!button->isEnabled()) {
        return;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // The run locks the button at once, which draws it released, so the event makes no click
    // when it goes on to the button after the run.
    const QPointF position = mouse->position();
    m_model->mouseUp(cmdCorrectPickups, buttonArgument(mouse->button()),
                     shiftArgument(mouse->modifiers()),
                     static_cast<float>(position.x() * kTwipsPerPixel),
                     static_cast<float>(position.y() * kTwipsPerPixel));
}

void frmHaupt::keyPressInProtocolBox(QEvent* event) {
    // Keys without a character raise no KeyPress. The handler leaves every key to the box,
    // which gets it next.
    if (int KeyAscii = keyAscii(*static_cast<QKeyEvent*>(event)); KeyAscii != 0) {
        m_model->keyPress(txtAnzeige, KeyAscii);
    }
}

// --- controls ------------------------------------------------------------------------------

void frmHaupt::setTimerInterval(ControlId timer, int milliseconds) {
    QTimer* ticker = m_controls.timer(timer);
    ticker->setInterval(milliseconds);
    if (milliseconds == 0) {
        ticker->stop();
    } else {
        ticker->start();
    }
}

// --- the protocol box ----------------------------------------------------------------------

std::u16string frmHaupt::boxText() {
    // The box keeps its lines apart with single line feeds; the program's lines end in CR LF.
    QString text = m_controls.as<QPlainTextEdit>(txtAnzeige)->toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text.toStdU16String();
}

void frmHaupt::insertAtBoxFront(const std::u16string& text) {
    QTextDocument* document = m_controls.as<QPlainTextEdit>(txtAnzeige)->document();
    // The program's writes are not the user's edits to undo, and would pile up without end.
    document->setUndoRedoEnabled(false);
    if (!text.empty()) {
        QTextCursor front(document);
        front.insertText(QString::fromStdU16String(text));
    }
    document->setUndoRedoEnabled(true);
    showBoxStart();
}

void frmHaupt::replaceBoxText(const std::u16string& text) {
    // Leaves no undo history, like the writes in front.
    m_controls.as<QPlainTextEdit>(txtAnzeige)->setPlainText(QString::fromStdU16String(text));
    showBoxStart();
}

void frmHaupt::showBoxStart() {
    auto* box = m_controls.as<QPlainTextEdit>(txtAnzeige);
    box->moveCursor(QTextCursor::Start);
    box->verticalScrollBar()->setValue(0);
}

void frmHaupt::selectAllText(ControlId box) {
    auto* edit = m_controls.as<QPlainTextEdit>(box);
    QTextCursor selection = edit->textCursor();
    selection.setPosition(0);
    selection.setPosition(static_cast<int>(edit->toPlainText().size()), QTextCursor::KeepAnchor);
    edit->setTextCursor(selection);
}

// --- the window ----------------------------------------------------------------------------

void frmHaupt::setWindowCaption(const std::u16string& caption) {
    setWindowTitle(QString::fromStdU16String(caption));
}

void frmHaupt::showCentred() {
    veltrano::showCentred(*this);
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

void frmHaupt::processPendingEvents() {
    QCoreApplication::processEvents();
}

void frmHaupt::openLanguageWindowModally(LanguageWindow& window) {
    frmLang language(window, this);
    window.show(language);
}

HelpWindowView& frmHaupt::createHelpWindow(HelpWindow& window) {
    m_frmHilfe = std::make_unique<frmHilfe>(window);
    return *m_frmHilfe;
}

void frmHaupt::showMessage(const std::u16string& text) {
    askInBox(text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton frmHaupt::askInBox(const std::u16string& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton) {
    // No parent: at start-up the main window is not visible yet, so the box centres on the
    // screen and blocks the whole program.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Veltrano"),
                    QString::fromStdU16String(text), buttons);
    box.setObjectName(QStringLiteral("msgVeltrano"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void frmHaupt::endProgram(int exitStatus) {
    m_processEnd(exitStatus);
}

void frmHaupt::endProcessNow(int exitStatus) {
    std::fflush(nullptr);
    std::_Exit(exitStatus);
}

}  // namespace veltrano
