// veltrano.exe driven from outside, as a user drives it: copied into a copy of the demo route
// and started there, its windows found by class and caption, its controls by id.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "desktop/ControlTable.h"
#include "tests/support/TempRoute.h"
#include "win32/NativeControlId.h"

namespace fs = std::filesystem;

namespace veltrano {
namespace {

constexpr const wchar_t* kCaption = L"Veltrano Tq\u00a9 V 1.4.2";

// Polls until found() gives a window, for at most 20 seconds (Wine starts slowly).
HWND waitFor(const std::function<HWND()>& found) {
    for (int attempt = 0; attempt < 400; ++attempt) {
        if (HWND window = found()) {
            return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
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

// The control anywhere inside the window (buttons sit inside their frames).
HWND control(HWND window, ControlId id) {
    std::pair<int, HWND> search{NativeControlId::of(id), nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            auto& [wanted, found] = *reinterpret_cast<std::pair<int, HWND>*>(data);
            found = GetDlgCtrlID(child) == wanted ? child : nullptr;
            return found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// The main window's client size and every control's place are the design's, in pixels.
void expectDesignPlaces(HWND main) {
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, twipsToPixels(ControlTable::window(WindowId::frmHaupt).clientWidth));
    EXPECT_EQ(client.bottom, twipsToPixels(ControlTable::window(WindowId::frmHaupt).clientHeight));
    for (const ControlDesign& design : ControlTable::controls()) {
        if (design.window != WindowId::frmHaupt || design.kind == ControlKind::Timer) {
            continue;
        }
        HWND native = control(main, design.id);
        RECT place{};
        GetWindowRect(native, &place);
        MapWindowPoints(HWND_DESKTOP, GetParent(native), reinterpret_cast<POINT*>(&place), 2);
        const TwipsRect& twips = design.place;
        EXPECT_EQ(place.left, twipsToPixels(twips.left)) << design.name;
        EXPECT_EQ(place.top, twipsToPixels(twips.top)) << design.name;
        EXPECT_EQ(place.right - place.left, twipsToPixels(twips.width)) << design.name;
        EXPECT_EQ(place.bottom - place.top, twipsToPixels(twips.height)) << design.name;
    }
}

TEST(WindowTest, OpensAtTheDesignRunsTheRouteOnARightButtonReleaseAndQuitsWithStatusZero) {
    test::TempRoute route;
    fs::copy(VELTRANO_DEMO_ROUTE, route.path(), fs::copy_options::recursive);
    fs::copy(VELTRANO_EXE_PATH, route.pathOf("veltrano.exe"));
    std::wstring command = L"veltrano.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(fs::path(route.pathOf("veltrano.exe")).c_str(), command.data(),
                               nullptr, nullptr, FALSE, 0, nullptr, fs::path(route.path()).c_str(),
                               &startup, &process));
    // OK in the language window (English), then OK on the notice.
    HWND language = waitFor([] { return FindWindowW(L"VeltranoLanguage", kCaption); });
    ASSERT_NE(language, nullptr);
    SendMessageW(control(language, ControlId::frmLang_cmdOK), BM_CLICK, 0, 0);
    HWND notice = waitFor([] { return FindWindowW(L"#32770", L"Veltrano"); });
    ASSERT_NE(notice, nullptr);
    PostMessageW(notice, WM_COMMAND, IDOK, 0);
    HWND main = waitFor([] { return FindWindowW(L"VeltranoMain", kCaption); });
    ASSERT_NE(main, nullptr);
    expectDesignPlaces(main);

    // Space on the run button is a click, and a click starts nothing; the release does.
    HWND run = control(main, ControlId::cmdCorrectPickups);
    PostMessageW(run, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageW(run, WM_KEYUP, VK_SPACE, 0);
    PostMessageW(run, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageW(run, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    HWND box = control(main, ControlId::txtAnzeige);
    ASSERT_NE(
        waitFor([&] { return textOf(box).find(L"--- END") != std::wstring::npos ? box : nullptr; }),
        nullptr);
    const std::wstring protocol = textOf(box);
    EXPECT_EQ(protocol.find(L"--- START"), protocol.rfind(L"--- START")) << "one run only";
    EXPECT_NE(protocol.find(L"6 pickups found in tdb file.\r\n"), std::wstring::npos);
    EXPECT_NE(protocol.find(L"changed to PickupTrItemData ( 30000 00000380 )"), std::wstring::npos);
    EXPECT_EQ(route.list("_Saved_tdb_und_tit_files_before_pickup_correction").size(), 2u);

    // The controls unlock at Timer1's next tick after the run.
    HWND quit = control(main, ControlId::cmdQuit);
    ASSERT_NE(waitFor([&] { return IsWindowEnabled(quit) ? quit : nullptr; }), nullptr);
    SendMessageW(quit, BM_CLICK, 0, 0);
    DWORD status = 1;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    GetExitCodeProcess(process.hProcess, &status);
    EXPECT_EQ(status, 0u);
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace veltrano
