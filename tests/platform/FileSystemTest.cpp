// The POSIX file service: a folder made where one is, the atomic replace keeping permission bits
// or failing, names found without regard to letter case, links out of a root.

#include "platform/FileSystem.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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

TEST(FileSystem, ReplaceGivesTheNewFileTheOldOnesPermissionBitsOrFails) {
    const mode_t mask = ::umask(077);
    test::TempRoute route;
    const std::string path = route.pathOf("ABC.tdb");
    route.writeBytes("ABC.tdb", "old content");
    fs::permissions(path, fs::perms(0640));
    // A temporary file of an earlier run of this same process id.
    route.writeBytes(fs::path(FileSystem::temporaryPathFor(path)).filename().string(), "stale");
    FileSystem fileSystem;
    ASSERT_TRUE(fileSystem.replaceFile(path, std::string("n\0ew", 4)).ok());
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    if (::geteuid() == 0) {
        // Root that may not change another's file (no CAP_FOWNER, as in some containers) still
        // gives the new file away, and then cannot give it the old one's bits.
        EXPECT_EQ(::chown(path.c_str(), 4242, 4242), 0);
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct saved[2]{};
        EXPECT_EQ(::syscall(SYS_capget, &header, saved), 0);
        __user_cap_data_struct dropped[2] = {saved[0], saved[1]};
        dropped[0].effective &= ~(1u << CAP_FOWNER);
        EXPECT_EQ(::syscall(SYS_capset, &header, dropped), 0);
        EXPECT_EQ(fileSystem.replaceFile(path, "x").cause(), "Operation not permitted");
        // Unless the new file is made with the old one's bits: nothing is left to refuse, as on
        // a file system without permission bits.
        ::umask(027);
        EXPECT_EQ(fileSystem.replaceFile(path, std::string("n\0ew", 4)).cause(), "");
        ::syscall(SYS_capset, &header, saved);
    }
    ::umask(mask);
    EXPECT_EQ(route.readBytes("ABC.tdb"), std::string("n\0ew", 4));
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
