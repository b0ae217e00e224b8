// The file service on Windows at its edges: a name asked for in another letter case, read-only
// files, a file another program holds open without sharing it, a route folder named outside
// ASCII and the ANSI code page.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/WorldItemReader.h"
#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

using Names = std::vector<std::string>;

bool isReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(NativePath::wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// Another program that holds a file open without sharing it until the end of the scope, when
// its input ends.
class HeldOpen {
  public:
    explicit HeldOpen(const std::string& path) {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        HANDLE input{};
        CreatePipe(&input, &m_input, &inherited, 0);
        SetHandleInformation(m_input, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input;
        std::wstring command = L"hold \"" + NativePath::wide(path) + L"\"";
        EXPECT_TRUE(CreateProcessW(std::filesystem::path(VELTRANO_HOLD_FILE_OPEN).c_str(),
                                   command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                   &startup, &m_process));
        CloseHandle(input);
        // Held once this process can no longer open it either.
        const auto held = [&path] { return !std::ifstream(NativePath::of(path)).is_open(); };
        for (int wait = 0; wait < 500 && !held(); ++wait) {
            Sleep(20);
        }
        EXPECT_TRUE(held());
    }
    ~HeldOpen() {
        CloseHandle(m_input);
        EXPECT_EQ(WaitForSingleObject(m_process.hProcess, 10'000), WAIT_OBJECT_0);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }

  private:
    HANDLE m_input{};
    PROCESS_INFORMATION m_process{};
};

// Windows finds a name in any letter case; what is written back keeps the stored name.
TEST(WindowsFileSystem, NameInAnotherCaseIsWrittenUnderItsStoredName) {
    test::TempRoute route;
    route.writeBytes("MyRoute.tdb", "old");
    FileSystem fileSystem;
    EXPECT_EQ(fileSystem.findEntry(route.path(), "MYROUTE.TDB"), "MyRoute.tdb");
    const std::string path = fileSystem.resolvePath(route.path(), "myroute.tdb");
    ASSERT_TRUE(fileSystem.replaceFile(path, "new").ok());
    EXPECT_EQ(route.list(), Names{"MyRoute.tdb"});
    EXPECT_EQ(route.readBytes("MyRoute.tdb"), "new");
}

// A read-only track file another program holds open cannot be read or replaced: each says why,
// and the file keeps its bytes and attribute, with no temporary file beside it. Let go, it is
// replaced and copied, both staying read-only, and the copy can be removed.
TEST(WindowsFileSystem, ReadOnlyFileIsReplacedOnlyWhenNoOtherProgramHoldsIt) {
    test::TempRoute route;
    const std::string path = route.pathOf("R.tdb");
    route.writeBytes("R.tdb", "old");
    SetFileAttributesW(NativePath::wide(path).c_str(), FILE_ATTRIBUTE_READONLY);
    FileSystem fileSystem;
    {
        const HeldOpen held(path);
        std::string bytes;
        EXPECT_NE(fileSystem.readFile(path, bytes).cause(), "");
        EXPECT_NE(fileSystem.replaceFile(path, "new").cause(), "");
    }
    EXPECT_EQ(route.readBytes("R.tdb"), "old");
    EXPECT_EQ(route.list(), Names{"R.tdb"});
    ASSERT_TRUE(fileSystem.replaceFile(path, "new").ok());
    ASSERT_TRUE(fileSystem.copyFile(path, route.pathOf("copy.tdb")).ok());
    EXPECT_TRUE(isReadOnly(path));
    EXPECT_TRUE(isReadOnly(route.pathOf("copy.tdb")));
    EXPECT_EQ(route.readBytes("copy.tdb"), "new");
    EXPECT_TRUE(fileSystem.removeFile(route.pathOf("copy.tdb")).ok());
    EXPECT_EQ(route.list(), Names{"R.tdb"});
}

// Every step reaches a route folder and files named outside ASCII and the ANSI code page.
TEST(WindowsFileSystem, RouteFolderNamedOutsideAsciiIsReachedByEveryStep) {
    test::TempRoute route;
    const std::string folder = route.pathOf("Strecke \xC3\x84\xE6\x9D\xB1\xE4\xBA\xAC");
    const std::string file = FileSystem::join(folder, "\xC3\x9C.w");
    FileSystem fileSystem;
    ASSERT_TRUE(fileSystem.createFolder(folder).ok());
    ASSERT_TRUE(fileSystem.replaceFile(file, "a,b").ok());
    ASSERT_TRUE(fileSystem.copyFile(file, FileSystem::join(folder, "\xCE\xA9.w")).ok());
    FolderEntries entries;
    ASSERT_TRUE(fileSystem.listFolder(folder, entries).ok());
    std::sort(entries.files.begin(), entries.files.end());
    EXPECT_EQ(entries.files, (Names{"\xC3\x9C.w", "\xCE\xA9.w"}));
    EXPECT_EQ(fileSystem.findEntry(folder, "\xC3\x9C.W"), "\xC3\x9C.w");
    EXPECT_FALSE(fileSystem.leadsOutside(file, route.path()));
    WorldItemReader reader(fileSystem);
    std::string item;
    ASSERT_TRUE(reader.open(file).ok());
    EXPECT_TRUE(reader.readItem(item).ok());
    EXPECT_EQ(item, "a");
}

}  // namespace
}  // namespace veltrano
