// What the file-system service must do on Windows only: backslash joins, names that match
// without regard to letter case, UTF-16 names, MoveFileExW replacing a (read-only) file and
// the system's messages in English. Built only for Windows (tests/CMakeLists.txt).

#include <gtest/gtest.h>
#include <process.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/IoResult.h"
#include "platform/NativePath.h"
#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

using Names = std::vector<std::string>;

DWORD attributesOf(const std::string& path) {
    return GetFileAttributesW(NativePath::wide(path).c_str());
}

TEST(WindowsPaths, JoinsUseBackslashesAndEitherSeparatorSplits) {
    EXPECT_EQ(FileSystem::join("C:\\Routes\\Demo", "WORLD"), "C:\\Routes\\Demo\\WORLD");
    const std::string pid = std::to_string(_getpid());
    EXPECT_EQ(FileSystem::temporaryPathFor("C:\\Routes\\Demo\\ABC.tdb"),
              "C:\\Routes\\Demo\\.veltrano-ABC.tdb." + pid + ".tmp");
    EXPECT_EQ(FileSystem::temporaryPathFor("C:/Routes/Demo/ABC.tdb"),
              "C:/Routes/Demo/.veltrano-ABC.tdb." + pid + ".tmp");
}

TEST(WindowsNames, LookupsIgnoreLetterCaseAndGiveTheStoredName) {
    test::TempRoute route;
    route.writeBytes("MyRoute.TDB", "");
    route.writeBytes("World/w-000001+000002.W", "");
    FileSystem fileSystem;
    EXPECT_EQ(fileSystem.findEntry(route.path(), "myroute.tdb"), "MyRoute.TDB");
    EXPECT_EQ(fileSystem.findEntry(route.path(), "WORLD"), "World");
    EXPECT_EQ(fileSystem.findEntry(route.pathOf("World"), "w-000001+000002.w"),
              "w-000001+000002.W");
    EXPECT_EQ(fileSystem.findEntry(route.path(), "MyRoute.tit"), "");
}

TEST(WindowsNames, NamesOutsideTheAnsiCodePageStayIntact) {
    // "Strecke-αβ": Greek letters, which no Western ANSI code page holds.
    const std::string name = "Strecke-\xCE\xB1\xCE\xB2.tdb";
    test::TempRoute route;
    FileSystem fileSystem;
    ASSERT_TRUE(
        fileSystem.writeNewFile(route.pathOf(name), FileSystem::contentOf("bytes"), "").ok());
    EXPECT_NE(attributesOf(route.pathOf(name)), INVALID_FILE_ATTRIBUTES);
    FolderEntries entries;
    ASSERT_TRUE(fileSystem.listFolder(route.path(), entries).ok());
    EXPECT_EQ(entries.files, Names{name});
    std::string bytes;
    ASSERT_TRUE(fileSystem.readFile(route.pathOf(name), bytes).ok());
    EXPECT_EQ(bytes, "bytes");
    // Windows folds the case of these letters too: "STRECKE-ΑΒ.TDB".
    EXPECT_EQ(fileSystem.findEntry(route.path(), "STRECKE-\xCE\x91\xCE\x92.TDB"), name);
}

TEST(WindowsReplace, ReplacesAnExistingFileInOneStepAndKeepsItReadOnly) {
    test::TempRoute route;
    route.writeBytes("ABC.tdb", "old content");
    FileSystem fileSystem;
    ASSERT_TRUE(fileSystem.replaceFile(route.pathOf("ABC.tdb"), std::string_view("new")).ok());
    EXPECT_EQ(route.readBytes("ABC.tdb"), "new");

    // A read-only track file is replaced too, and stays read-only.
    SetFileAttributesW(NativePath::wide(route.pathOf("ABC.tdb")).c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(fileSystem.replaceFile(route.pathOf("ABC.tdb"), std::string_view("newer")).ok());
    EXPECT_EQ(route.readBytes("ABC.tdb"), "newer");
    EXPECT_NE(attributesOf(route.pathOf("ABC.tdb")) & FILE_ATTRIBUTE_READONLY, 0u);

    // A backup copy replaces an older one of the same name.
    route.writeBytes("save/ABC.tdb", "older copy");
    ASSERT_TRUE(fileSystem.copyFile(route.pathOf("ABC.tdb"), route.pathOf("save/ABC.tdb")).ok());
    EXPECT_EQ(route.readBytes("save/ABC.tdb"), "newer");
    EXPECT_EQ(route.list(), (Names{"ABC.tdb", "save"}));
    EXPECT_EQ(route.list("save"), Names{"ABC.tdb"});
}

// Windows says "The system cannot find the file specified", Wine "File not found": the
// wording is the system's, but it is English and ready to be followed by ": " or ". ".
::testing::AssertionResult englishCause(const IoResult& result, const std::string& object) {
    const std::string& cause = result.cause();
    const bool english =
        cause.find(object) != std::string::npos && (cause.find("not found") != std::string::npos ||
                                                    cause.find("cannot find") != std::string::npos);
    const bool bare = !cause.empty() && cause.back() != '.' && cause.back() != '\n';
    return english && bare ? ::testing::AssertionSuccess()
                           : ::testing::AssertionFailure() << "cause: \"" << cause << "\"";
}

TEST(WindowsErrors, CausesAreTheSystemsMessagesInEnglish) {
    test::TempRoute route;
    FileSystem fileSystem;
    std::string bytes;
    // From the C runtime.
    EXPECT_EQ(fileSystem.readFile(route.pathOf("none.tdb"), bytes).cause(),
              "No such file or directory");
    // From FormatMessageW.
    EXPECT_TRUE(
        englishCause(fileSystem.renameOver(route.pathOf("none.tmp"), route.pathOf("A")), "ile"));
    EXPECT_TRUE(englishCause(fileSystem.createFolder(route.pathOf("none/save")), "ath"));
    EXPECT_EQ(IoResult::fromWindowsError(ERROR_ACCESS_DENIED).cause().rfind("Access", 0), 0u);
    EXPECT_EQ(IoResult::fromWindowsError(0xE0001234).cause(), "Operating system error 3758101044");
}

TEST(WindowsLinks, PathsInsideTheRouteStayInsideWhateverTheirForm) {
    test::TempRoute route;
    test::TempRoute elsewhere;
    route.writeBytes("ABC.tdb", "x");
    FileSystem fileSystem;
    std::string upperRoot = route.path();
    std::transform(upperRoot.begin(), upperRoot.end(), upperRoot.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    std::string slashed = route.pathOf("ABC.tdb");
    std::replace(slashed.begin(), slashed.end(), '\\', '/');

    EXPECT_FALSE(fileSystem.leadsOutside(route.pathOf("ABC.tdb"), route.path()));
    EXPECT_FALSE(fileSystem.leadsOutside(route.pathOf("save/new.tdb"), route.path()));
    EXPECT_FALSE(fileSystem.leadsOutside(route.pathOf("ABC.tdb"), upperRoot));
    EXPECT_FALSE(fileSystem.leadsOutside(slashed, route.path()));
    EXPECT_TRUE(fileSystem.leadsOutside(elsewhere.pathOf("ABC.tdb"), route.path()));
}

}  // namespace
}  // namespace veltrano
