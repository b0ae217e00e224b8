// The POSIX file service: the English system messages, the atomic replace keeping permission
// bits, names found without regard to letter case, stale temporary files, links out of a root.

#include "platform/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TempRoute.h"

namespace fs = std::filesystem;

namespace veltrano {
namespace {

using Names = std::vector<std::string>;

Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

unsigned permissionsOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

TEST(FileSystemPrimitives, FailuresCarryTheEnglishSystemMessage) {
    test::TempRoute route;
    route.writeBytes("file", "x");
    FileSystem fileSystem;
    FolderEntries entries;
    EXPECT_EQ(fileSystem.listFolder(route.pathOf("missing"), entries).cause(),
              "No such file or directory");
    std::string bytes;
    EXPECT_EQ(fileSystem.readFile(route.pathOf("missing"), bytes).cause(),
              "No such file or directory");
    // A folder opens, but reading it fails.
    EXPECT_EQ(fileSystem.readFile(route.path(), bytes).cause(), "Is a directory");
    EXPECT_EQ(fileSystem.createFolder(route.pathOf("file")).cause(), "File exists");
    EXPECT_TRUE(fileSystem.createFolder(route.pathOf("new")).ok());
    EXPECT_TRUE(fileSystem.folderExists(route.pathOf("new")));
    EXPECT_EQ(IoResult::fromErrno(EACCES).cause(), "Permission denied");
}

TEST(FileSystemReplace, ReplacesContentKeepsPermissionsAndLeavesNoTemporaryFile) {
    const mode_t mask = ::umask(077);
    test::TempRoute route;
    route.writeBytes("ABC.tdb", "old content");
    fs::permissions(route.pathOf("ABC.tdb"), fs::perms(0640));
    // A temporary file of an earlier run of this same process id.
    route.writeBytes(".veltrano-ABC.tdb." + std::to_string(::getpid()) + ".tmp", "stale");

    FileSystem fileSystem;
    ASSERT_TRUE(fileSystem.replaceFile(route.pathOf("ABC.tdb"), std::string("n\0ew", 4)).ok());
    EXPECT_EQ(route.readBytes("ABC.tdb"), std::string("n\0ew", 4));
    EXPECT_EQ(permissionsOf(route.pathOf("ABC.tdb")), 0640u);
    EXPECT_EQ(route.list(), Names{"ABC.tdb"});
    ::umask(mask);
}

TEST(FileSystemLookup, FindEntryPrefersTheExactNameAndRefusesAmbiguity) {
    test::TempRoute route;
    route.makeFolder("World");
    route.makeFolder("WORLD");
    route.writeBytes("abc.tdb", "");
    FileSystem fileSystem;
    EXPECT_EQ(fileSystem.findEntry(route.path(), "WORLD"), "WORLD");
    EXPECT_EQ(fileSystem.findEntry(route.path(), "World"), "World");
    EXPECT_EQ(fileSystem.findEntry(route.path(), "world"), "");
    EXPECT_EQ(fileSystem.findEntry(route.path(), "ABC.TDB"), "abc.tdb");
    EXPECT_EQ(fileSystem.findEntry(route.path(), "ABC.tit"), "");
    // Only ASCII letters fold: "ä" and "Ä" are different names.
    route.writeBytes("\xC3\xA4.w", "");
    EXPECT_EQ(fileSystem.findEntry(route.path(), "\xC3\x84.w"), "");
    EXPECT_EQ(fileSystem.findEntry(route.pathOf("missing"), "x"), "");
}

TEST(FileSystemLookup, RemovesOnlyTemporaryFilesOfThePattern) {
    test::TempRoute route;
    const Names kept = {".veltrano-ABC.tdb.tmp",
                        ".veltrano-.12.tmp",
                        ".veltrano-123.tmp",
                        ".veltrano-ABC.tdb.1x.tmp",
                        "veltrano-ABC.tdb.12.tmp",
                        ".veltrano-ABC.tdb.12.tmp.bak",
                        "ABC.tdb",
                        "notes.tmp"};
    for (const std::string& name : kept) {
        route.writeBytes(name, "x");
    }
    route.writeBytes(".veltrano-ABC.tit.4242.tmp", "x");
    route.writeBytes(".veltrano-_Datum-261204_ABC.tdb.7.tmp", "x");
    route.makeFolder(".veltrano-folder.1.tmp");
    const std::string own = FileSystem::temporaryPathFor(route.pathOf("ABC.tdb"));
    route.writeBytes(fs::path(own).filename().string(), "x");

    FileSystem fileSystem;
    fileSystem.removeStaleTemporaryFiles(route.path());
    Names expected = kept;
    expected.push_back(".veltrano-folder.1.tmp");
    EXPECT_EQ(route.list(), sorted(expected));
}

TEST(FileSystemLinks, LeadsOutsideOnlyThroughLinksThatLeaveTheRoot) {
    test::TempRoute route;
    test::TempRoute elsewhere;
    route.writeBytes("ABC.tdb", "x");
    route.makeFolder("save");
    elsewhere.writeBytes("ABC.tit", "x");
    fs::create_symlink(elsewhere.pathOf("ABC.tit"), route.pathOf("ABC.tit"));
    fs::create_symlink(elsewhere.path(), route.pathOf("outFolder"));
    fs::create_symlink(route.pathOf("save"), route.pathOf("inFolder"));
    fs::create_symlink(elsewhere.pathOf("none"), route.pathOf("dangling"));
    fs::create_symlink("../" + fs::path(route.path()).filename().string() + "x",
                       route.pathOf("sibling"));

    FileSystem fileSystem;
    const std::string root = route.path();
    EXPECT_FALSE(fileSystem.leadsOutside(route.pathOf("ABC.tdb"), root));
    EXPECT_FALSE(fileSystem.leadsOutside(route.pathOf("new.tdb"), root));
    EXPECT_FALSE(fileSystem.leadsOutside(route.pathOf("inFolder/copy.tdb"), root));
    EXPECT_FALSE(fileSystem.leadsOutside(root, root));
    EXPECT_TRUE(fileSystem.leadsOutside(route.pathOf("ABC.tit"), root));
    EXPECT_TRUE(fileSystem.leadsOutside(route.pathOf("outFolder/copy.tdb"), root));
    EXPECT_TRUE(fileSystem.leadsOutside(route.pathOf("dangling"), root));
    // A folder whose name merely starts with the root's name is not inside it.
    EXPECT_TRUE(fileSystem.leadsOutside(route.pathOf("sibling"), root));

    // The root itself reached through a link counts as the same folder.
    fs::create_symlink(root, elsewhere.pathOf("routeLink"));
    EXPECT_FALSE(fileSystem.leadsOutside(route.pathOf("ABC.tdb"), elsewhere.pathOf("routeLink")));
}

TEST(FileSystemLinks, LinkLoopIsNeverTrusted) {
    test::TempRoute route;
    fs::create_symlink(route.pathOf("b"), route.pathOf("a"));
    fs::create_symlink(route.pathOf("a"), route.pathOf("b"));
    FileSystem fileSystem;
    EXPECT_TRUE(fileSystem.leadsOutside(route.pathOf("a"), route.path()));
}

}  // namespace
}  // namespace veltrano
