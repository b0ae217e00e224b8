// The POSIX file service: a folder made where one is, the atomic replace keeping permission bits,
// names found without regard to letter case, stale temporary files, links out of a root.

#include "platform/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TempRoute.h"

namespace fs = std::filesystem;

namespace veltrano {
namespace {

using Names = std::vector<std::string>;

TEST(FileSystem, CreateFolderWhereOneAlreadyIsSucceedsAndKeepsItsFiles) {
    test::TempRoute route;
    route.writeBytes("save/ABC.tdb", "x");
    fs::create_directory_symlink(route.pathOf("save"), route.pathOf("link"));
    FileSystem fileSystem;
    EXPECT_TRUE(fileSystem.createFolder(route.pathOf("save")).ok());
    EXPECT_TRUE(fileSystem.createFolder(route.pathOf("link")).ok());
    EXPECT_EQ(route.list("save"), Names{"ABC.tdb"});
    EXPECT_EQ(fileSystem.createFolder(route.pathOf("no/save")).cause(),
              "No such file or directory");
}

TEST(FileSystem, ReplaceKeepsThePermissionBitsAndLeavesNoTemporaryFile) {
    const mode_t mask = ::umask(077);
    test::TempRoute route;
    route.writeBytes("ABC.tdb", "old content");
    fs::permissions(route.pathOf("ABC.tdb"), fs::perms(0640));
    // A temporary file of an earlier run of this same process id.
    route.writeBytes(".veltrano-ABC.tdb." + std::to_string(::getpid()) + ".tmp", "stale");
    FileSystem fileSystem;
    ASSERT_TRUE(fileSystem.replaceFile(route.pathOf("ABC.tdb"), std::string("n\0ew", 4)).ok());
    ::umask(mask);
    EXPECT_EQ(route.readBytes("ABC.tdb"), std::string("n\0ew", 4));
    struct stat info {};
    ::stat(route.pathOf("ABC.tdb").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(route.list(), Names{"ABC.tdb"});
}

TEST(FileSystem, FindEntryPrefersTheExactNameAndFoldsOnlyAsciiLetters) {
    test::TempRoute route;
    route.makeFolder("World");
    route.makeFolder("WORLD");
    route.writeBytes("az@[.tdb", "");
    route.writeBytes("\xC3\xA4.w", "");
    FileSystem fileSystem;
    EXPECT_EQ(fileSystem.findEntry(route.path(), "WORLD"), "WORLD");
    EXPECT_EQ(fileSystem.findEntry(route.path(), "world"), "");  // two would fit
    EXPECT_EQ(fileSystem.findEntry(route.path(), "AZ@[.TDB"), "az@[.tdb");
    EXPECT_EQ(fileSystem.findEntry(route.path(), "az`{.tdb"), "");
    EXPECT_EQ(fileSystem.findEntry(route.path(), "\xC3\x84.w"), "");
    EXPECT_EQ(fileSystem.findEntry(route.pathOf("missing"), "x"), "");
}

TEST(FileSystem, RemovesOnlyTemporaryFilesOfThePattern) {
    test::TempRoute route;
    const Names kept = {".veltrano-.12.tmp",
                        ".veltrano-123.tmp",
                        ".veltrano-ABC.tdb..tmp",
                        ".veltrano-ABC.tdb.12.tmp.bak",
                        ".veltrano-ABC.tdb.1x.tmp",
                        ".veltrano-ABC.tdb.tmp",
                        ".veltrano-ABC.tdb.x1.tmp",
                        ".veltrano-folder.1.tmp",
                        "ABC.tdb",
                        "notes.tmp",
                        "veltrano-ABC.tdb.12.tmp"};
    for (const std::string& name : kept) {
        name == ".veltrano-folder.1.tmp" ? route.makeFolder(name) : route.writeBytes(name, "x");
    }
    route.writeBytes(".veltrano-ABC.tit.4242.tmp", "x");
    route.writeBytes(".veltrano-_Datum-261204_ABC.tdb.7.tmp", "x");
    FileSystem().removeStaleTemporaryFiles(route.path());
    EXPECT_EQ(route.list(), kept);
}

TEST(FileSystem, LeadsOutsideOnlyThroughLinksThatLeaveTheRoot) {
    test::TempRoute route;
    test::TempRoute elsewhere;
    const std::string root = route.path();
    route.makeFolder("save");
    fs::create_symlink(elsewhere.pathOf("ABC.tit"), route.pathOf("ABC.tit"));
    fs::create_symlink(elsewhere.path(), route.pathOf("outFolder"));
    fs::create_symlink(route.pathOf("save"), route.pathOf("inFolder"));
    fs::create_symlink("../" + fs::path(root).filename().string() + "x", route.pathOf("sibling"));
    fs::create_symlink(route.pathOf("b"), route.pathOf("a"));
    fs::create_symlink(route.pathOf("a"), route.pathOf("b"));
    FileSystem fileSystem;
    for (const char* inside : {"new.tdb", "inFolder/copy.tdb", ""}) {
        EXPECT_FALSE(fileSystem.leadsOutside(route.pathOf(inside), root)) << inside;
    }
    // A folder whose name merely starts with the root's name is not inside it; a loop is never
    // trusted.
    for (const char* outside : {"ABC.tit", "outFolder/copy.tdb", "sibling", "a"}) {
        EXPECT_TRUE(fileSystem.leadsOutside(route.pathOf(outside), root)) << outside;
    }
    fs::create_symlink(root, elsewhere.pathOf("routeLink"));
    EXPECT_FALSE(fileSystem.leadsOutside(route.pathOf("save"), elsewhere.pathOf("routeLink")));
}

}  // namespace
}  // namespace veltrano
