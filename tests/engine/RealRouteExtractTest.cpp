// Runs on an extract of a real, public route that nobody here wrote: UTF-16LE track files with
// LF line ends, an item table whose name differs in letter case from the RouteID.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/CorrectionRun.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempRoute.h"

namespace fs = std::filesystem;

namespace veltrano {
namespace {

fs::path realRouteFolder() {
    const char* source = std::getenv("VELTRANO_SOURCE_DIR");
    return fs::path(source ? source : "..") / ".." / "shared" / "realroutes" / "OR_DK24";
}

class RealRouteExtract : public ::testing::Test {
  protected:
    void SetUp() override {
        const fs::path source = realRouteFolder();
        ASSERT_TRUE(fs::exists(source / "DK24.trk"))
            << "the real route extract is expected beside the clone at " << source;
        for (const char* name : {"DK24.trk", "DK24.tdb", "dk24.tit"}) {
            route.writeBytes(name, readFile(source / name));
        }
        for (const auto& entry : fs::directory_iterator(source / "WORLD")) {
            route.writeBytes("WORLD/" + entry.path().filename().string(), readFile(entry.path()));
        }
        state.gstrRoutePath = route.path();
    }

    static std::string readFile(const fs::path& path) {
        std::string bytes;
        FileSystem files;
        EXPECT_TRUE(files.readFile(path.string(), bytes).ok()) << path;
        return bytes;
    }

    std::string text(const std::string& name) const {
        return TextCodec::toUtf8(TextCodec::decodeWholeFile(route.readBytes(name)));
    }

    void replaceIn(const std::string& name, const std::string& from, const std::string& to) {
        std::string content = text(name);
        const std::size_t at = content.find(from);
        ASSERT_NE(at, std::string::npos) << from << " in " << name;
        content.replace(at, from.size(), to);
        route.writeUtf16(name, content);
    }

    RunResult run() {
        test::FakeRunHost host(state, files);
        return CorrectionRun(state, host, files, clock).run();
    }

    test::TempRoute route;
    RunState state;
    FileSystem files;
    test::FixedClock clock;
};

TEST_F(RealRouteExtract, RouteWithoutPickupsRunsToTheCountLineAndTouchesNothing) {
    const std::string tdbBefore = route.readBytes("DK24.tdb");
    const std::string titBefore = route.readBytes("dk24.tit");

    const RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::Completed);
    EXPECT_EQ(state.gstrRouteName, u"DK24");
    const std::string protocol = TextCodec::toUtf8(state.gstrProtokoll.text());
    EXPECT_NE(protocol.find("\r\nready!\r\n\r\n0 pickups found in tdb file.\r\n"
                            "Look up for pickups in tdb file\r\n"),
              std::string::npos)
        << protocol;
    EXPECT_EQ(protocol.find("world files"), std::string::npos);
    EXPECT_EQ(route.readBytes("DK24.tdb"), tdbBefore);
    EXPECT_EQ(route.readBytes("dk24.tit"), titBefore);
    EXPECT_EQ(route.list(),
              (std::vector<std::string>{"DK24.tdb", "DK24.trk", "WORLD", "dk24.tit"}));
}

TEST_F(RealRouteExtract, PlantedPickupIsRepairedInBothFilesKeepingLfLineEnds) {
    // Speed post 2 lies in tile -5664 15117, whose world file is part of the extract.
    const std::string speedPost =
        "SpeedPostItem (\n\t\t\tTrItemId ( 2 )\n\t\t\tTrItemSData ( 4589.986 00000006 )\n"
        "\t\t\tTrItemPData ( -824.9053 601.356 -5664 15117 )\n"
        "\t\t\tTrItemRData ( -824.9053 56.98574 601.356 -5664 15117 )\n"
        "\t\t\tSpeedpostTrItemData ( 130 170 2.877768 )";
    const std::string pickup =
        "PickupItem (\n\t\t\tTrItemId ( 2 )\n\t\t\tTrItemSData ( 4589.986 00000006 )\n"
        "\t\t\tTrItemRData ( -824.9053 56.98574 601.356 -5664 15117 )\n"
        "\t\t\tPickupTrItemData ( 0 00000000 )";
    replaceIn("DK24.tdb", speedPost, pickup);
    std::string titSpeedPost = speedPost;
    std::string titPickup = pickup;
    for (std::string* text : {&titSpeedPost, &titPickup}) {
        for (std::size_t at = text->find("\t\t\t"); at != std::string::npos;
             at = text->find("\t\t\t", at + 2)) {
            text->erase(at, 1);
        }
    }
    replaceIn("dk24.tit", titSpeedPost, titPickup);
    const std::string world = route.readBytes("WORLD/w-005664+015117.w");
    route.writeBytes("WORLD/w-005664+015117.w",
                     world.substr(0, world.size() - 2) +
                         "\tPickup (\n\t\tUiD ( 4711 )\n\t\tPickupType ( 5 0 )\n"
                         "\t\tPickupCapacity ( 15000 0 )\n\t\tTrItemId ( 0 2 )\n"
                         "\t\tPosition ( -824.9 56.9 601.3 )\n\t)\n)\n");

    const RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::Completed);
    const std::string protocol = TextCodec::toUtf8(state.gstrProtokoll.text());
    EXPECT_NE(protocol.find("1 pickups found in tdb file."), std::string::npos) << protocol;
    EXPECT_NE(protocol.find("    1.         Fuel-water found in w-005664+015117.w at Position "
                            "( -824.9 56.9 601.3 )\r\n"),
              std::string::npos)
        << protocol;
    EXPECT_NE(protocol.find("    1.         Fuel-water in w-005664+015117.w with "
                            "PickupTrItemData ( 0 00000000 ) changed to "
                            "PickupTrItemData ( 15000 00000280 )\r\n"),
              std::string::npos)
        << protocol;

    const std::string tdb = text("DK24.tdb");
    const std::string tit = text("dk24.tit");
    EXPECT_NE(tdb.find("TrItemId ( 2 )\n\t\t\tTrItemSData ( 4589.986 00000006 )\n\t\t\tTrItemRData "
                       "( -824.9053 56.98574 601.356 -5664 15117 )\n\t\t\tPickupTrItemData ( "
                       "15000 00000280 )\n"),
              std::string::npos);
    EXPECT_NE(tit.find("PickupTrItemData ( 15000 00000280 )\n"), std::string::npos);
    EXPECT_EQ(tdb.find('\r'), std::string::npos) << "LF line ends must stay LF";
    EXPECT_EQ(tit.find('\r'), std::string::npos);
    // The item table keeps its own name; no second file appears beside it.
    EXPECT_EQ(route.list(), (std::vector<std::string>{
                                "DK24.tdb", "DK24.trk", "WORLD",
                                "_Saved_tdb_und_tit_files_before_pickup_correction", "dk24.tit"}));
    EXPECT_EQ(route.list("_Saved_tdb_und_tit_files_before_pickup_correction"),
              (std::vector<std::string>{"_Datum-261204_Uhrzeit-061023_DK24.tdb",
                                        "_Datum-261204_Uhrzeit-061023_DK24.tit"}));

    // A second run with the same settings finds the records right and changes nothing.
    const std::string tdbAfterFirstRun = route.readBytes("DK24.tdb");
    state.gstrProtokoll.clear();
    EXPECT_EQ(run().outcome, RunOutcome::Completed);
    EXPECT_NE(state.gstrProtokoll.text().find(u" No need to make any change.\r\n"),
              std::u16string::npos);
    EXPECT_EQ(route.readBytes("DK24.tdb"), tdbAfterFirstRun);
}

}  // namespace
}  // namespace veltrano
