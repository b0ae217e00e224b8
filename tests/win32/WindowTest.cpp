// veltrano.exe driven from outside, as a user drives it: copied into a copy of the demo route
// and started there, its windows found by class and caption, its controls by id.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <tuple>

#include "desktop/ControlTable.h"
#include "desktop/DesktopArguments.h"
#include "tests/support/TempRoute.h"
#include "win32/NativeControlId.h"

namespace fs = std::filesystem;

namespace veltrano {
namespace window_test {

constexpr const wchar_t* kCaption = L"Veltrano Tq\u00a9 V 1.4.2";

// Polls until found() gives a window, for at most 20 seconds (Wine starts slowly).
[[nodiscard]] HWND waitFor(const std::function<HWND()>& found) {
    for (int attempt = 0; attempt < 400; ++attempt) {
        if (HWND window = found()) {
            return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

// The top-level window of the class and caption, other than `before`, once it shows: it is made
// before its controls and shown after them, so a key posted earlier could go to a control not
// made yet.
[[nodiscard]] HWND waitForShown(const wchar_t* className, const wchar_t* caption,
                                HWND before = nullptr) {
    return waitFor([=] {
        HWND window = FindWindowW(className, caption);
        return window != before && IsWindowVisible(window) ? window : nullptr;
    });
}

// A window's text through WM_GETTEXT: GetWindowText reads no control of another process.
std::wstring textOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length);
    std::wstring text(length + 1, L'\0');
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, 5000, &length);
    text.resize(length);
    return text;
}

// The control in the window, inside its frame where it has one.
HWND control(HWND window, ControlId id) {
    const ControlDesign& design = ControlTable::control(id);
    return GetDlgItem(design.onWindow() ? window : control(window, design.parent),
                      NativeControlId::of(id));
}

// The resolution Wine gives the programs started while this lives (the user's LogPixels), then
// Wine's own 96 dpi again.
struct ScreenResolution {
    explicit ScreenResolution(DWORD dpi) { set(dpi); }
    ~ScreenResolution() { set(96); }
    static void set(DWORD dpi) {
        EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels",
                                  REG_DWORD, &dpi, sizeof(dpi)),
                  ERROR_SUCCESS);
    }
};

// The main window's client area is 16,920 x 11,820 twips at the resolution and it opens with its
// caption on the work area. Each control shows as designed, at its design place in the pixels
// of the resolution (a twip is 1/1440 inch), and a pixel short at most where one is cut.
void expectLaidOut(HWND main, int dpi) {
    const auto [width, height, slack] =
        dpi == 96 ? std::tuple{1128, 788, 0} : std::tuple{1692, 1182, 3};
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_NEAR(client.right, width, slack);
    EXPECT_NEAR(client.bottom, height, slack);
    RECT work{}, outer{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(main, &outer);
    EXPECT_TRUE(outer.left >= work.left && outer.top >= work.top);
    const auto at = [dpi](long pixels, int twips) {
        const double exact = twips * dpi / 1440.0;
        return pixels <= exact && pixels > exact - 1;
    };
    for (const ControlDesign& design : ControlTable::controls()) {
        if (design.window != WindowId::frmHaupt || design.kind == ControlKind::Timer) {
            continue;
        }
        HWND native = control(main, design.id);
        RECT place{};
        GetWindowRect(native, &place);
        EXPECT_EQ(IsWindowVisible(native) != FALSE, design.visible) << design.name;
        MapWindowPoints(HWND_DESKTOP, GetParent(native), reinterpret_cast<POINT*>(&place), 2);
        const TwipsRect& twips = design.place;
        EXPECT_TRUE(at(place.left, twips.left) && at(place.top, twips.top) &&
                    at(place.right - place.left, twips.width) &&
                    at(place.bottom - place.top, twips.height))
            << design.name << " at " << place.left << "," << place.top;
    }
}

// `program` started in the route folder; veltrano.exe unless told. A test that stops early ends
// it, so no window is left waiting for a key that never comes.
struct Started : PROCESS_INFORMATION {
    Started(const test::TempRoute& route, std::wstring commandLine,
            const char* program = VELTRANO_EXE_PATH)
        : PROCESS_INFORMATION{} {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        EXPECT_TRUE(CreateProcessW(fs::path(program).c_str(), commandLine.data(), nullptr, nullptr,
                                   FALSE, 0, nullptr, fs::path(route.path()).c_str(), &startup,
                                   this));
    }
    ~Started() {
        TerminateProcess(hProcess, 1);
        CloseHandle(hThread);
        CloseHandle(hProcess);
    }
    DWORD exitStatus() {
        DWORD status = 999;
        EXPECT_EQ(WaitForSingleObject(hProcess, 20000), WAIT_OBJECT_0);
        GetExitCodeProcess(hProcess, &status);
        return status;
    }
};

// Enter in the language window: English.
void answerLanguageWindow() {
    HWND language = waitForShown(L"VeltranoLanguage", nullptr);
    ASSERT_NE(language, nullptr);
    PostMessageW(control(language, ControlId::frmLang_cmbLang), WM_KEYDOWN, VK_RETURN, 0);
}

// The language window answered, OK on the notice: the main window.
HWND throughStartUp() {
    answerLanguageWindow();
    HWND notice = waitForShown(L"#32770", L"Veltrano");
    EXPECT_NE(notice, nullptr);
    PostMessageW(notice, WM_COMMAND, IDOK, 0);
    return waitForShown(L"VeltranoMain", kCaption);
}

// A right-button release over the run button; the protocol once the run has ended and the
// controls are unlocked again.
std::wstring runRoute(HWND main) {
    HWND run = control(main, ControlId::cmdCorrectPickups);
    PostMessageW(run, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageW(run, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    HWND box = control(main, ControlId::txtAnzeige);
    EXPECT_NE(
        waitFor([&] { return textOf(box).find(L"--- END") != std::wstring::npos ? box : nullptr; }),
        nullptr);
    HWND quit = control(main, ControlId::cmdQuit);
    EXPECT_NE(waitFor([&] { return IsWindowEnabled(quit) ? quit : nullptr; }), nullptr);
    return textOf(box);
}

// At the resolution of a screen at 100 % (the test reads the windows in pixels) and at 150 % with
// the option that reads the world file the demo route stores compressed.
class WindowAtResolution : public testing::TestWithParam<int> {};

TEST_P(WindowAtResolution, OpensAtTheDesignWalksTheTabOrderRunsOnAReleaseAndQuitsWithStatusZero) {
    const int dpi = GetParam();
    const bool readsAll = dpi != 96;
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const ScreenResolution resolution(static_cast<DWORD>(dpi));
    test::TempRoute route;
    fs::copy(VELTRANO_DEMO_ROUTE, route.path(), fs::copy_options::recursive);
    Started process(route, readsAll ? L"veltrano.exe --read-all-world-files" : L"veltrano.exe");
    HWND main = throughStartUp();
    ASSERT_NE(main, nullptr);
    expectLaidOut(main, dpi);

    // Tab walks the design's tab order, frames included, and round again.
    const int stops = static_cast<int>(
        std::ranges::count_if(ControlTable::controls(), [](const ControlDesign& design) {
            return design.window == WindowId::frmHaupt && design.tabIndex >= 0;
        }));
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    HWND focused = GetGUIThreadInfo(process.dwThreadId, &info) ? info.hwndFocus : nullptr;
    for (int step = 0, previous = -1; step <= stops; ++step) {
        PostMessageW(focused != nullptr ? focused : main, WM_KEYDOWN, VK_TAB, 0);
        focused = waitFor([&, before = focused] {
            GetGUIThreadInfo(process.dwThreadId, &info);
            const bool moved = info.hwndFocus != before && info.hwndFocus != main;
            return moved ? info.hwndFocus : nullptr;
        });
        const std::optional<ControlId> id = NativeControlId::control(GetDlgCtrlID(focused));
        ASSERT_TRUE(id) << step;
        const ControlDesign& design = ControlTable::control(*id);
        EXPECT_TRUE(previous < 0 || design.tabIndex == (previous + 1) % stops) << design.name;
        previous = design.tabIndex;
    }

    // Space on the run button is a click, and a click starts nothing; the release does.
    HWND run = control(main, ControlId::cmdCorrectPickups);
    PostMessageW(run, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageW(run, WM_KEYUP, VK_SPACE, 0);
    const std::wstring protocol = runRoute(main);
    EXPECT_EQ(protocol.find(L"--- START"), protocol.rfind(L"--- START")) << "one run only";
    EXPECT_EQ(protocol.find(L'\t'), std::wstring::npos) << "Tab is no input for the box";
    EXPECT_EQ(protocol.find(L"in w-005678+014566.w with") != std::wstring::npos, readsAll);
    EXPECT_EQ(route.list("_Saved_tdb_und_tit_files_before_pickup_correction").size(), 2u);

    // The animation timer has stopped: for a second the later frames stay hidden.
    for (int sample = 0; sample < 60; ++sample, Sleep(50)) {
        const auto frame = static_cast<ControlId>(indexOf(ControlId::imgRunning02) + sample % 3);
        EXPECT_FALSE(IsWindowVisible(control(main, frame))) << sample;
    }
    SendMessageW(control(main, ControlId::cmdQuit), BM_CLICK, 0, 0);
    EXPECT_EQ(process.exitStatus(), 0u);
}

INSTANTIATE_TEST_SUITE_P(WindowTest, WindowAtResolution, testing::Values(96, 144));

// Any other argument: the usage in a message box, no window, status 64.
TEST(WindowTest, AnUnknownArgumentShowsTheUsageAndEndsWithStatus64) {
    test::TempRoute route;
    Started process(route, L"veltrano.exe --dry-run");
    HWND box = waitForShown(L"#32770", L"Veltrano");
    ASSERT_NE(box, nullptr);
    const std::u16string usage = DesktopArguments::usage(u"veltrano.exe");
    EXPECT_NE(
        FindWindowExW(box, nullptr, L"Static", std::wstring(usage.begin(), usage.end()).c_str()),
        nullptr);
    EXPECT_FALSE(FindWindowW(L"VeltranoLanguage", nullptr) ||
                 FindWindowW(L"VeltranoMain", nullptr));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(process.exitStatus(), 64u);
}

// After a run, --undo-last-run answered with Enter at every window, as a user does, leaves the
// track files as before the run.
TEST(WindowTest, UndoLastRunAnsweredWithEnterLeavesTheTrackFilesAsBeforeTheRun) {
    test::TempRoute route;
    fs::copy(VELTRANO_DEMO_ROUTE, route.path(), fs::copy_options::recursive);
    const std::string tdb = route.readBytes("Demo.tdb"), tit = route.readBytes("Demo.tit");
    Started cli(route, L"veltrano-cli.exe", VELTRANO_CLI_EXE_PATH);
    ASSERT_EQ(cli.exitStatus(), 0u);

    Started process(route, L"veltrano.exe --undo-last-run");
    answerLanguageWindow();
    HWND window = nullptr;
    // The question, then the outcome, once each shows: Enter presses its default button, Yes,
    // then OK.
    for (int box = 0; box < 2; ++box) {
        window = waitForShown(L"#32770", L"Veltrano", window);
        ASSERT_NE(window, nullptr) << "box " << box;
        PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    }
    EXPECT_EQ(process.exitStatus(), 0u);
    EXPECT_EQ(route.readBytes("Demo.tdb"), tdb);
    EXPECT_EQ(route.readBytes("Demo.tit"), tit);
}

}  // namespace window_test
}  // namespace veltrano
