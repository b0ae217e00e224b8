// Routes built to mislead the program, and broken ones, run through veltrano-cli: each ends in
// a clear message or protocol line, and nothing outside the route folder is ever touched.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/TextCodec.h"
#include "tests/faults/CliRouteFixture.h"

namespace fs = std::filesystem;

namespace veltrano::test {
namespace {

const std::string kUnusableRouteId =
    "Some trouble with the files of the route:\r\n\r\n- no usable RouteID in Route.trk\r\n\r\n"
    "Program will be cancelled now!\r\n\r\n";

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

std::string decoded(const std::string& bytes) {
    return TextCodec::toUtf8(TextCodec::decodeWholeFile(bytes));
}

using HostileRoute = CliRouteFixture;

TEST_F(HostileRoute, RouteIdThatWouldLeadOutOfTheFolderIsRefused) {
    writeRoute();
    // Track files with pickups out there, which a RouteID of "../outside/OUT" would name.
    RouteShape target;
    target.routeId = "OUT";
    GeneratedRoute(target).writeTo(outside);
    rememberOutside();
    const auto routeBefore = snapshotTree(route);

    for (const std::string& id :
         {std::string("../outside/OUT"), std::string(".."), std::string("."), std::string("a/b"),
          std::string("..\\outside\\OUT"), std::string("a\0b", 3), std::string(""),
          std::string("   "), std::string("/tmp/OUT")}) {
        SCOPED_TRACE("RouteID ( " + id + " )");
        sandbox.writeBytes("route/Route.trk",
                           "Tr_RouteFile (\r\n\tRouteID ( " + id + " )\r\n)\r\n");
        const CliResult result = runOnRoute();
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, kUnusableRouteId);
    }
    for (const std::string& trk :
         {std::string("no route id here"), std::string("RouteID"), std::string("")}) {
        sandbox.writeBytes("route/Route.trk", trk);
        const CliResult result = runOnRoute({"--lang", "de"});
        EXPECT_EQ(result.exitStatus, 2) << trk;
        EXPECT_NE(result.err.find("- keine gültige RouteID in Route.trk\r\n"), std::string::npos)
            << result.err;
    }
    sandbox.writeBytes("route/Route.trk", GeneratedRoute(RouteShape{}).trkBytes());
    EXPECT_EQ(snapshotTree(route), routeBefore);
    expectOutsideUnchanged();
}

TEST_F(HostileRoute, TrackFileLinkedOutOfTheFolderIsNeverWrittenThrough) {
    for (const std::string extension : {".tit", ".tdb"}) {
        SCOPED_TRACE(extension);
        fs::remove_all(route);
        fs::remove_all(outside);
        writeRoute();
        GeneratedRoute(RouteShape{}).writeTo(outside);
        const std::string track = route + "/FAULTROUTE" + extension;
        fs::remove(track);
        fs::create_symlink(outside + "/FAULTROUTE" + extension, track);
        rememberOutside();
        const auto routeBefore = snapshotTree(route);

        const CliResult result = runOnRoute();

        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(result.err,
                  "*** " + track + " points outside the route folder; nothing was changed.\n");
        EXPECT_NE(result.out.find("\n*** " + track +
                                  " points outside the route folder; nothing was changed.\n"),
                  std::string::npos);
        EXPECT_EQ(snapshotTree(route), routeBefore);
        expectOutsideUnchanged();
    }
}

TEST_F(HostileRoute, GermanLineForALinkOutOfTheFolder) {
    writeRoute();
    GeneratedRoute(RouteShape{}).writeTo(outside);
    fs::remove(route + "/FAULTROUTE.tdb");
    fs::create_symlink("../outside/FAULTROUTE.tdb", route + "/FAULTROUTE.tdb");
    rememberOutside();
    const CliResult result = runOnRoute({"--lang", "de"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "*** " + route +
                              "/FAULTROUTE.tdb zeigt aus dem Streckenverzeichnis heraus; es wurde "
                              "nichts geändert.\n");
    expectOutsideUnchanged();
}

TEST_F(HostileRoute, BackupFolderLinkedOutOfTheFolderIsNeverWrittenThrough) {
    writeRoute();
    fs::create_directories(outside + "/saves");
    fs::create_symlink(outside + "/saves", route + "/" + kEnglishBackups);
    rememberOutside();
    const auto routeBefore = snapshotTree(route);

    const CliResult result = runOnRoute();

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "*** " + route + "/" + kEnglishBackups +
                              " points outside the route folder; nothing was changed.\n");
    EXPECT_EQ(snapshotTree(route), routeBefore);
    EXPECT_TRUE(fs::is_empty(outside + "/saves"));
    expectOutsideUnchanged();
}

TEST_F(HostileRoute, WorldFolderLinkedOutOfTheFolderIsOnlyRead) {
    writeRoute();
    fs::rename(route + "/WORLD", outside + "/WORLD");
    fs::create_symlink(outside + "/WORLD", route + "/WORLD");
    rememberOutside();
    const std::string oldTdb = sandbox.readBytes("route/FAULTROUTE.tdb");

    const CliResult result = runOnRoute();

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(count(decoded(sandbox.readBytes("route/FAULTROUTE.tdb")), "PickupTrItemData ( 0 "),
              0u);
    EXPECT_EQ(backups().size(), 2u);
    EXPECT_NE(sandbox.readBytes("route/FAULTROUTE.tdb"), oldTdb);
    expectOutsideUnchanged();
}

TEST_F(HostileRoute, TrackFileHardLinkedOutsideKeepsTheOutsideCopyAsItWas) {
    // A hard link cannot be told from the file itself; the replacement by rename gives the
    // route its own new file and leaves the other name with the old bytes.
    writeRoute();
    fs::remove(outside + "/keep.tdb");
    fs::create_hard_link(route + "/FAULTROUTE.tdb", outside + "/keep.tdb");
    rememberOutside();
    const CliResult result = runOnRoute();
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(sandbox.readBytes("route/FAULTROUTE.tdb"), sandbox.readBytes("outside/keep.tdb"));
    expectOutsideUnchanged();
}

TEST_F(HostileRoute, BackupFolderNameTakenByAFile) {
    writeRoute();
    sandbox.writeBytes("route/" + kEnglishBackups, "not a folder");
    rememberOutside();
    const auto routeBefore = snapshotTree(route);

    const CliResult result = runOnRoute();

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "*** Backup of " + route +
                              "/FAULTROUTE.tit failed: File exists. The file is left unchanged.\n");
    EXPECT_EQ(snapshotTree(route), routeBefore);
    expectOutsideUnchanged();
}

TEST_F(HostileRoute, ReadOnlyTrackFilesAreReplacedAfterTheirBackupAndStayReadOnly) {
    writeRoute();
    const NewBytes expected = newBytesOfARun();
    const std::string oldTit = sandbox.readBytes("route/FAULTROUTE.tit");
    for (const char* name : {"/FAULTROUTE.tit", "/FAULTROUTE.tdb"}) {
        fs::permissions(route + name, fs::perms(0444));
    }
    rememberOutside();

    const CliResult result = runOnRoute();

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(sandbox.readBytes("route/FAULTROUTE.tit"), expected.tit);
    EXPECT_EQ(sandbox.readBytes("route/FAULTROUTE.tdb"), expected.tdb);
    for (const char* name : {"/FAULTROUTE.tit", "/FAULTROUTE.tdb"}) {
        EXPECT_EQ(fs::status(route + name).permissions(), fs::perms(0444)) << name;
    }
    const std::vector<std::string> saved = backups();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(sandbox.readBytes("route/" + kEnglishBackups + "/" + saved[1]), oldTit);
    expectOutsideUnchanged();
}

TEST_F(HostileRoute, RunByRootLeavesTheTrackFilesAndBackupsTheirOwner) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can hand a file to another user";
    }
    writeRoute();
    for (const char* name : {"/FAULTROUTE.tit", "/FAULTROUTE.tdb"}) {
        ASSERT_EQ(::chown((route + name).c_str(), CliRunner::kNobody, CliRunner::kNobody), 0);
        fs::permissions(route + name, fs::perms(0640));
    }
    rememberOutside();

    const CliResult result = runOnRoute();

    ASSERT_EQ(result.exitStatus, 0) << result.err;
    std::vector<std::string> files = {route + "/FAULTROUTE.tit", route + "/FAULTROUTE.tdb"};
    for (const std::string& backup : backups()) {
        files.push_back(route + "/" + kEnglishBackups + "/" + backup);
    }
    ASSERT_EQ(files.size(), 4u);
    for (const std::string& file : files) {
        struct stat status {};
        ASSERT_EQ(::stat(file.c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, CliRunner::kNobody) << file;
        EXPECT_EQ(status.st_gid, CliRunner::kNobody) << file;
        EXPECT_EQ(status.st_mode & 07777, 0640u) << file;
    }
    expectOutsideUnchanged();
}

// --- broken track databases -----------------------------------------------------------------

class BrokenTrackDatabase : public CliRouteFixture {
  protected:
    void SetUp() override {
        RouteShape shape;
        shape.fillerItemsPerPickup = 1;
        writeRoute(shape);
        rememberOutside();
    }
    void writeTdb(const std::string& bytes) { sandbox.writeBytes("route/FAULTROUTE.tdb", bytes); }
    std::string tdb() const { return sandbox.readBytes("route/FAULTROUTE.tdb"); }
};

TEST_F(BrokenTrackDatabase, EmptyFileHasNoPickups) {
    writeTdb("");
    const auto before = snapshotTree(route);
    const CliResult result = runOnRoute();
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("\n0 pickups found in tdb file.\n"), std::string::npos);
    EXPECT_EQ(snapshotTree(route), before);
    expectOutsideUnchanged();
}

TEST_F(BrokenTrackDatabase, BinaryNoiseHasNoPickupsAndIsLeftAlone) {
    std::mt19937 random(20261204);
    for (const std::string& start :
         {std::string(), std::string("\xFF\xFE"), std::string("\xEF\xBB\xBF")}) {
        std::string noise = start;
        for (int i = 0; i < 65537; ++i) {
            noise.push_back(static_cast<char>(random() & 0xFF));
        }
        writeTdb(noise);
        const auto before = snapshotTree(route);
        const CliResult result = runOnRoute();
        EXPECT_EQ(result.exitStatus, 0) << result.err;
        EXPECT_NE(result.out.find("\n0 pickups found in tdb file.\n"), std::string::npos);
        EXPECT_TRUE(isUtf8(result.out));
        EXPECT_EQ(snapshotTree(route), before);
    }
    expectOutsideUnchanged();
}

TEST_F(BrokenTrackDatabase, OddLengthInUtf16LosesOnlyItsLastByteAndTheBackupKeepsIt) {
    const std::string odd = tdb() + "\x41";
    writeTdb(odd);
    const CliResult result = runOnRoute();
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(count(decoded(tdb()), "PickupTrItemData ( 0 00000000 )"), 0u);
    EXPECT_EQ(tdb().size() % 2, 0u);
    std::vector<std::string> saved = backups();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(sandbox.readBytes("route/" + kEnglishBackups + "/" + saved[0]), odd);
    // What was written reads back whole: a second run finds nothing left to do.
    const CliResult second = runOnRoute();
    EXPECT_NE(second.out.find("\n No need to make any change.\n"), std::string::npos);
    expectOutsideUnchanged();
}

TEST_F(BrokenTrackDatabase, NulCharactersAndLoneSurrogatesAreKeptAsTheyWere) {
    // The text of the generated .tdb with a NUL and a lone surrogate in a record that is not a
    // pickup, and a lone surrogate as a pickup's capacity.
    std::u16string text = TextCodec::decodeWholeFile(tdb());
    const std::size_t signal = text.find(u"SignalItem");
    ASSERT_NE(signal, std::u16string::npos);
    text.insert(signal, std::u16string(u"\0\xD800\0", 3));
    const std::size_t field = text.find(u"PickupTrItemData ( 0 00000000 )");
    ASSERT_NE(field, std::u16string::npos);
    text.replace(field + 19, 1, std::u16string(1, u'\xDC00'));
    writeTdb(TextCodec::encodeUtf16LeWithBom(text));

    const CliResult result = runOnRoute();

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_TRUE(isUtf8(result.out));
    // The old field is quoted in the protocol; its lone surrogate shows as U+FFFD.
    EXPECT_NE(result.out.find(" with PickupTrItemData ( \xEF\xBF\xBD 00000000 ) changed to "),
              std::string::npos);
    const std::u16string written = TextCodec::decodeWholeFile(tdb());
    EXPECT_NE(written.find(std::u16string(u"\0\xD800\0", 3)), std::u16string::npos);
    EXPECT_EQ(written.find(u'\xDC00'), std::u16string::npos);
    EXPECT_EQ(TextCodec::toUtf8(written).find("PickupTrItemData ( 0 "), std::string::npos);
    expectOutsideUnchanged();
}

TEST_F(BrokenTrackDatabase, FolderInThePlaceOfTheTrackDatabaseIsAReadError) {
    // The route check counts a folder ending in .tdb like a file.
    std::filesystem::remove(route + "/FAULTROUTE.tdb");
    std::filesystem::create_directory(route + "/FAULTROUTE.tdb");
    const auto before = snapshotTree(route);
    const CliResult result = runOnRoute({"--lang", "de"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err,
              "*** Datei " + route + "/FAULTROUTE.tdb kann nicht gelesen werden: Is a directory\n");
    EXPECT_NE(result.out.find("\nfertig!\n"), std::string::npos);
    EXPECT_EQ(snapshotTree(route), before);
    expectOutsideUnchanged();
}

TEST_F(BrokenTrackDatabase, RouteIdTooLongForAFileNameIsAReadError) {
    const std::string id(300, 'x');
    sandbox.writeBytes("route/Route.trk", "RouteID ( " + id + " )");
    const auto before = snapshotTree(route);
    const CliResult result = runOnRoute();
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err,
              "*** Cannot read file " + route + "/" + id + ".tdb: File name too long\n");
    EXPECT_EQ(snapshotTree(route), before);
    expectOutsideUnchanged();
}

// --- world files and names --------------------------------------------------------------------

TEST_F(HostileRoute, EmptyWorldFileCountsAsCompressedAndTheOthersAreStillRead) {
    RouteShape shape;
    shape.pickups = 4;
    writeRoute(shape);
    const GeneratedRoute generated(shape);
    sandbox.writeBytes("route/WORLD/" + generated.worldFileNameOf(1), "");
    rememberOutside();

    const CliResult result = runOnRoute();

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("\n World file " + generated.worldFileNameOf(1) +
                              " is compressed, therefore not readable!\n"),
              std::string::npos);
    // Pickups 3 and 4 stand in the other world file.
    const std::string tdb = decoded(sandbox.readBytes("route/FAULTROUTE.tdb"));
    EXPECT_EQ(count(tdb, "PickupTrItemData ( 0 00000000 )"), 2u);
    EXPECT_NE(tdb.find("PickupTrItemData ( 4000 "), std::string::npos);
    expectOutsideUnchanged();
}

TEST_F(HostileRoute, NonAsciiFolderAndRouteIdNames) {
    // The .trk is 8-bit text (0xFC is "ü"); the names on disk are UTF-8.
    const std::string folder = sandbox.pathOf("route/Strecke Ölberg – Süd");
    RouteShape shape;
    shape.routeId = "Müllerbahn Süd";
    GeneratedRoute(shape).writeTo(folder);
    sandbox.writeBytes("route/Strecke Ölberg – Süd/Route.trk",
                       "Tr_RouteFile (\r\n\tRouteID ( M\xFCllerbahn S\xFC"
                       "d )\r\n)\r\n");
    const std::string oldTit = sandbox.readBytes("route/Strecke Ölberg – Süd/Müllerbahn Süd.tit");
    rememberOutside();

    for (const char* language : {"de", "en"}) {
        const CliResult result = cli.run(started({"--lang", language, folder}));
        EXPECT_EQ(result.exitStatus, 0) << result.err;
        EXPECT_TRUE(isUtf8(result.out));
    }
    const std::vector<std::string> saved =
        sandbox.list("route/Strecke Ölberg – Süd/_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur");
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_TRUE(saved[1].ends_with("_Müllerbahn Süd.tit")) << saved[1];
    EXPECT_EQ(sandbox.readBytes("route/Strecke Ölberg – Süd/"
                                "_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur/" +
                                saved[1]),
              oldTit);
    EXPECT_EQ(count(decoded(sandbox.readBytes("route/Strecke Ölberg – Süd/Müllerbahn Süd.tdb")),
                    "PickupTrItemData ( 0 00000000 )"),
              0u);
    expectOutsideUnchanged();
}

}  // namespace
}  // namespace veltrano::test
