#include "win32/Win32MainWindow.h"

#include <commctrl.h>

#include "desktop/WheelGeometry.h"
#include "win32/MessagePump.h"
#include "win32/NativeControlId.h"
#include "win32/WheelPainter.h"
#include "win32/WideText.h"
#include "win32/Win32HelpWindow.h"
#include "win32/Win32LanguageWindow.h"

namespace veltrano {

namespace {

using enum ControlId;

// A caption without the system menu: no close button, Quit is the way out.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;

// The Button and Shift values of a mouse event: 1 left, 2 right, 4 middle; 1 shift, 2 ctrl,
// 4 alt.
int buttonOf(UINT message) {
    return message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 4;
}

int shiftOf(WPARAM keys) {
    return ((keys & MK_SHIFT) != 0 ? 1 : 0) | ((keys & MK_CONTROL) != 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

}  // namespace

Win32MainWindow::Win32MainWindow()
    : Win32WindowView(WindowId::frmHaupt, L"VeltranoMain", kStyle, 0, nullptr) {
    drawAnimationFrames();
    startDesignTimers();
    const auto self = reinterpret_cast<DWORD_PTR>(this);
    SetWindowSubclass(m_controls.handle(cmdCorrectPickups), &runButtonProc, 1, self);
    SetWindowSubclass(m_controls.handle(txtAnzeige), &protocolBoxProc, 1, self);
    m_model = std::make_unique<MainWindow>(*this);
}

Win32MainWindow::~Win32MainWindow() = default;

void Win32MainWindow::startDesignTimers() {
    // Timer1 runs from the start: its tick unlocks the controls after a run.
    for (const ControlDesign& design : ControlTable::controls()) {
        if (design.window == WindowId::frmHaupt && design.kind == ControlKind::Timer) {
            setTimerInterval(design.id, design.interval);
        }
    }
}

void Win32MainWindow::drawAnimationFrames() {
    const ControlId frames[] = {imgRunning01, imgRunning02, imgRunning03, imgRunning04};
    for (int frame = 1; frame <= WheelGeometry::kFrameCount; ++frame) {
        m_controls.setPainter(frames[frame - 1], [this, frame](HDC dc, const RECT& area) {
            WheelPainter::paint(dc, area, WheelGeometry::turnOfFrame(frame),
                                GetSysColor(COLOR_BTNFACE), scale());
        });
    }
}

LRESULT Win32MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            if (const auto timer = NativeControlId::control(static_cast<int>(wParam)); timer) {
                m_model->timerTick(*timer);
            }
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = m_controls.colours(reinterpret_cast<HWND>(lParam),
                                                  reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_SETCURSOR:
            if (m_busy) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        case WM_CLOSE:
            // Quit is the only way out.
            return 0;
        default:
            break;
    }
    return Win32WindowView::handleMessage(message, wParam, lParam);
}

void Win32MainWindow::command(HWND native, int code) {
    const std::optional<ControlId> control = m_controls.controlOf(native);
    if (!control || !m_model) {
        return;
    }
    const ControlKind kind = ControlTable::control(*control).kind;
    if (code == BN_CLICKED && kind == ControlKind::CheckBox) {
        const bool ticked = SendMessageW(native, BM_GETCHECK, 0, 0) == BST_CHECKED;
        m_model->checkValueChanged(*control, ticked ? 1 : 0);
    } else if (code == BN_CLICKED) {
        m_model->click(*control);
    } else if (code == CBN_SELCHANGE) {
        m_model->listIndexChanged(*control,
                                  static_cast<int>(SendMessageW(native, CB_GETCURSEL, 0, 0)));
    } else if (code == EN_CHANGE) {
        m_model->boxTextChanged(*control);
    }
}

LRESULT CALLBACK Win32MainWindow::runButtonProc(HWND button, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
    if (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP) {
        reinterpret_cast<Win32MainWindow*>(self)->mouseReleasedOverRunButton(message, wParam,
                                                                             lParam);
    }
    return result;
}

void Win32MainWindow::mouseReleasedOverRunButton(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT area{};
    HWND button = m_controls.handle(cmdCorrectPickups);
    GetClientRect(button, &area);
    if (PtInRect(&area, point)) {
        m_model->mouseUp(cmdCorrectPickups, buttonOf(message), shiftOf(wParam),
                         static_cast<float>(scale().twips(point.x)),
                         static_cast<float>(scale().twips(point.y)));
    }
}

LRESULT CALLBACK Win32MainWindow::protocolBoxProc(HWND box, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (message == WM_CHAR) {
        // Ctrl+A comes as character 1. The handler leaves every key to the box, which gets it
        // next.
        int KeyAscii = static_cast<int>(wParam);
        reinterpret_cast<Win32MainWindow*>(self)->m_model->keyPress(txtAnzeige, KeyAscii);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void Win32MainWindow::showCentred() {
    showCentredOnScreen();
}

void Win32MainWindow::setTimerInterval(ControlId timer, int milliseconds) {
    const auto id = static_cast<UINT_PTR>(NativeControlId::of(timer));
    if (milliseconds == 0) {
        KillTimer(handle(), id);
    } else {
        SetTimer(handle(), id, static_cast<UINT>(milliseconds), nullptr);
    }
}

std::u16string Win32MainWindow::boxText() {
    return WideText::toU16(WideText::of(m_controls.handle(txtAnzeige)));
}

void Win32MainWindow::insertAtBoxFront(const std::u16string& text) {
    HWND box = m_controls.handle(txtAnzeige);
    const std::wstring wide = WideText::fromU16(text);
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void Win32MainWindow::replaceBoxText(const std::u16string& text) {
    HWND box = m_controls.handle(txtAnzeige);
    SetWindowTextW(box, WideText::fromU16(text).c_str());
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void Win32MainWindow::selectAllText(ControlId box) {
    SendMessageW(m_controls.handle(box), EM_SETSEL, 0, -1);
}

void Win32MainWindow::setBusyPointer(bool busy) {
    m_busy = busy;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void Win32MainWindow::repaint() {
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32MainWindow::processPendingEvents() {
    MessagePump::processPending();
}

void Win32MainWindow::openLanguageWindowModally(LanguageWindow& window) {
    Win32LanguageWindow view(window, handle());
    window.show(view);
}

HelpWindowView& Win32MainWindow::createHelpWindow(HelpWindow& window) {
    m_help = std::make_unique<Win32HelpWindow>(window);
    return *m_help;
}

void Win32MainWindow::showMessage(const std::u16string& text) {
    HWND owner = isVisible() ? handle() : nullptr;
    MessageBoxW(owner, WideText::fromU16(text).c_str(), L"Veltrano", MB_OK);
}

void Win32MainWindow::endProgram(int exitStatus) {
    ExitProcess(static_cast<UINT>(exitStatus));
}

}  // namespace veltrano
