#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

mode_t permissionsOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

// Sets the process umask for one test and puts the old one back.
class UmaskScope {
  public:
    explicit UmaskScope(mode_t mask) : m_old(::umask(mask)) {}
    ~UmaskScope() { ::umask(m_old); }

  private:
    mode_t m_old;
};

// Lowers the file size limit for one test, with the signal it raises ignored so that
// write(2) reports EFBIG instead.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

// Fails one primitive on request; with `partialWrite` the failing write leaves half a file
// behind, as a full disk would.
class FaultyFileSystem : public FileSystem {
  public:
    IoResult writeNewFile(const std::string& path, const ContentWriter& content,
                          const std::string& permissionsFrom) override {
        writtenPaths.push_back(path);
        if (!failWrite) {
            return FileSystem::writeNewFile(path, content, permissionsFrom);
        }
        if (partialWrite) {
            (void)FileSystem::writeNewFile(path, contentOf("repl"), permissionsFrom);
        }
        return IoResult::failure("No space left on device");
    }

    IoResult renameOver(const std::string& from, const std::string& to) override {
        return failRename ? IoResult::failure("Permission denied")
                          : FileSystem::renameOver(from, to);
    }

    bool failWrite = false;
    bool partialWrite = false;
    bool failRename = false;
    Names writtenPaths;
};

TEST(FileSystemPrimitives, ListFolderSeparatesFilesFromFoldersFollowingLinks) {
    test::TempRoute route;
    route.writeBytes("Route.trk", "x");
    route.writeBytes("sub/inner.w", "x");
    fs::create_symlink(route.pathOf("Route.trk"), route.pathOf("fileLink"));
    fs::create_symlink(route.pathOf("sub"), route.pathOf("folderLink"));
    fs::create_symlink(route.pathOf("nothing"), route.pathOf("dangling"));

    FileSystem fileSystem;
    FolderEntries entries;
    ASSERT_TRUE(fileSystem.listFolder(route.path(), entries).ok());
    EXPECT_EQ(sorted(entries.subfolders), (Names{"folderLink", "sub"}));
    EXPECT_EQ(sorted(entries.files), (Names{"Route.trk", "fileLink"}));

    EXPECT_TRUE(fileSystem.fileExists(route.pathOf("fileLink")));
    EXPECT_FALSE(fileSystem.fileExists(route.pathOf("sub")));
    EXPECT_FALSE(fileSystem.fileExists(route.pathOf("dangling")));
    EXPECT_TRUE(fileSystem.folderExists(route.pathOf("folderLink")));
    EXPECT_FALSE(fileSystem.folderExists(route.pathOf("Route.trk")));
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

TEST(FileSystemPrimitives, WriteNewFileNeverOverwrites) {
    test::TempRoute route;
    route.writeBytes("old", "keep");
    FileSystem fileSystem;
    EXPECT_EQ(
        fileSystem.writeNewFile(route.pathOf("old"), FileSystem::contentOf("new"), "").cause(),
        "File exists");
    EXPECT_EQ(route.readBytes("old"), "keep");
}

TEST(FileSystemPrimitives, WriteNewFileTakesPermissionsDespiteUmaskOrUsesUmaskDefault) {
    UmaskScope mask(022);
    test::TempRoute route;
    route.writeBytes("model", "");
    fs::permissions(route.pathOf("model"), fs::perms(0666));
    FileSystem fileSystem;
    ASSERT_TRUE(
        fileSystem
            .writeNewFile(route.pathOf("copy"), FileSystem::contentOf("x"), route.pathOf("model"))
            .ok());
    EXPECT_EQ(permissionsOf(route.pathOf("copy")), 0666u);
    ASSERT_TRUE(
        fileSystem
            .writeNewFile(route.pathOf("plain"), FileSystem::contentOf("x"), route.pathOf("no"))
            .ok());
    EXPECT_EQ(permissionsOf(route.pathOf("plain")), 0644u);
}

TEST(FileSystemReplace, ReplacesContentKeepsPermissionsAndLeavesNoTemporaryFile) {
    UmaskScope mask(077);
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
}

TEST(FileSystemReplace, RealWriteFailureRemovesThePartialFile) {
    // A file size limit makes write(2) fail part way, as a full disk would.
    test::TempRoute route;
    route.writeBytes("ABC.tdb", "original");
    const std::string bytes(3 * 65536, 'n');
    FileSystem fileSystem;
    IoResult written = IoResult::success();
    IoResult replaced = IoResult::success();
    {
        FileSizeLimit limit(65536);
        written =
            fileSystem.writeNewFile(route.pathOf("new.tdb"), FileSystem::contentOf(bytes), "");
        replaced = fileSystem.replaceFile(route.pathOf("ABC.tdb"), bytes);
    }
    EXPECT_EQ(written.cause(), "File too large");
    EXPECT_EQ(replaced.cause(), "File too large");
    EXPECT_EQ(route.readBytes("ABC.tdb"), "original");
    EXPECT_EQ(route.list(), Names{"ABC.tdb"});
}

TEST(FileSystemReplace, FailedWriteOrRenameLeavesTheOriginalAndNoTemporaryFile) {
    struct Case {
        bool failWrite;
        bool partialWrite;
        bool failRename;
        const char* cause;
    };
    for (const Case& fault : {Case{true, false, false, "No space left on device"},
                              Case{true, true, false, "No space left on device"},
                              Case{false, false, true, "Permission denied"}}) {
        test::TempRoute route;
        route.writeBytes("ABC.tit", "original");
        FaultyFileSystem fileSystem;
        fileSystem.failWrite = fault.failWrite;
        fileSystem.partialWrite = fault.partialWrite;
        fileSystem.failRename = fault.failRename;
        const IoResult result = fileSystem.replaceFile(route.pathOf("ABC.tit"), "replacement");
        EXPECT_EQ(result.cause(), fault.cause);
        EXPECT_EQ(route.readBytes("ABC.tit"), "original");
        EXPECT_EQ(route.list(), Names{"ABC.tit"});
        // The new content went to a temporary file beside the original, never to it.
        ASSERT_EQ(fileSystem.writtenPaths.size(), 1u);
        EXPECT_EQ(fileSystem.writtenPaths[0],
                  FileSystem::temporaryPathFor(route.pathOf("ABC.tit")));
    }
}

TEST(FileSystemCopy, CopiesEveryByteAndReplacesTheDestination) {
    std::string bytes;
    for (int i = 0; i < 3 * 65536 + 17; ++i) {
        bytes.push_back(static_cast<char>(i * 31 % 256));
    }
    test::TempRoute route;
    route.writeBytes("ABC.tdb", bytes);
    route.writeBytes("save/copy.tdb", "older copy");
    FileSystem fileSystem;
    ASSERT_TRUE(fileSystem.copyFile(route.pathOf("ABC.tdb"), route.pathOf("save/copy.tdb")).ok());
    EXPECT_EQ(route.readBytes("save/copy.tdb"), bytes);
    EXPECT_EQ(route.list("save"), Names{"copy.tdb"});
}

TEST(FileSystemCopy, MissingSourceLeavesTheDestinationAlone) {
    test::TempRoute route;
    route.writeBytes("copy.tdb", "older copy");
    FileSystem fileSystem;
    EXPECT_FALSE(fileSystem.copyFile(route.pathOf("none.tdb"), route.pathOf("copy.tdb")).ok());
    EXPECT_EQ(route.readBytes("copy.tdb"), "older copy");
    EXPECT_EQ(route.list(), Names{"copy.tdb"});
}

TEST(FileSystemReadText, DecodesEveryFormLikeTheWholeFileRulesAtBlockEdges) {
    // Sizes around the read block (64 KiB) put a unit across two reads and an odd last byte
    // at every place it can fall; empty and one-byte files have no room for a mark.
    std::vector<std::string> samples = {"",
                                        "\xFF",
                                        "\xFF\xFE",
                                        "\xFF\xFEx",
                                        "\xFE\xFF\x00y",
                                        "\xEF\xBB\xBF\xC3\xA4",
                                        "plain \x80\x81"};
    for (std::size_t size : {65535u, 65536u, 65537u, 65538u, 131073u}) {
        std::string bytes = "\xFF\xFE";
        for (std::size_t i = 2; i < size; ++i) {
            bytes.push_back(static_cast<char>(i * 7 % 251));
        }
        samples.push_back(bytes);
    }
    test::TempRoute route;
    FileSystem fileSystem;
    for (const std::string& bytes : samples) {
        route.writeBytes("file.tdb", bytes);
        std::u16string text = u"left over";
        ASSERT_TRUE(fileSystem.readText(route.pathOf("file.tdb"), text).ok());
        EXPECT_EQ(text, TextCodec::decodeWholeFile(bytes)) << bytes.size() << " bytes";
    }
    std::u16string text = u"left over";
    EXPECT_EQ(fileSystem.readText(route.pathOf("none.tdb"), text).cause(),
              "No such file or directory");
    EXPECT_EQ(fileSystem.readText(route.path(), text).cause(), "Is a directory");
    EXPECT_TRUE(text.empty());
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

TEST(FileSystemPaths, TemporaryNameStaysBesideThePathAndHidden) {
    const std::string temporary = FileSystem::temporaryPathFor("/route/ABC.tdb");
    EXPECT_EQ(temporary, "/route/.veltrano-ABC.tdb." + std::to_string(::getpid()) + ".tmp");
    EXPECT_EQ(FileSystem::join("/route", "WORLD"), "/route/WORLD");
}

}  // namespace
}  // namespace veltrano
