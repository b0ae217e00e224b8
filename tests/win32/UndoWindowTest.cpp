// veltrano.exe --undo-last-run after a run, answered with Enter at every window, as a user does.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "desktop/ControlId.h"
#include "tests/support/TempRoute.h"

namespace veltrano::window_test {

// The window test's drivers (WindowTest.cpp).
[[nodiscard]] HWND waitFor(const std::function<HWND()>& found);
HWND control(HWND window, ControlId id);
PROCESS_INFORMATION start(const test::TempRoute& route, std::wstring commandLine,
                          const char* program);
DWORD exitStatus(PROCESS_INFORMATION& process);

TEST(WindowTest, UndoLastRunAnsweredWithEnterLeavesTheTrackFilesAsBeforeTheRun) {
    test::TempRoute route;
    std::filesystem::copy(VELTRANO_DEMO_ROUTE, route.path(),
                          std::filesystem::copy_options::recursive);
    const std::string tdb = route.readBytes("Demo.tdb"), tit = route.readBytes("Demo.tit");
    PROCESS_INFORMATION cli = start(route, L"veltrano-cli.exe", VELTRANO_CLI_EXE_PATH);
    ASSERT_EQ(exitStatus(cli), 0u);

    PROCESS_INFORMATION process = start(route, L"veltrano.exe --undo-last-run", VELTRANO_EXE_PATH);
    HWND window = waitFor([] { return FindWindowW(L"VeltranoLanguage", nullptr); });
    ASSERT_NE(window, nullptr);
    PostMessageW(control(window, ControlId::frmLang_cmbLang), WM_KEYDOWN, VK_RETURN, 0);
    // The question, then the outcome, once each shows: Enter presses its default button, Yes,
    // then OK.
    for (int box = 0; box < 2; ++box) {
        window = waitFor([before = window] {
            HWND found = FindWindowW(L"#32770", L"Veltrano");
            return found != before && IsWindowVisible(found) ? found : nullptr;
        });
        ASSERT_NE(window, nullptr) << "box " << box;
        PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    }
    EXPECT_EQ(exitStatus(process), 0u);
    EXPECT_EQ(route.readBytes("Demo.tdb"), tdb);
    EXPECT_EQ(route.readBytes("Demo.tit"), tit);
}

}  // namespace veltrano::window_test
