// The reference must itself be right, or the comparison proves nothing: these cases check it
// against the worked examples and edge cases of the run, with no engine code involved.
#include <gtest/gtest.h>

#include <string>

#include "platform/TextCodec.h"
#include "tests/reference/ReferenceCatalogue.h"
#include "tests/reference/ReferenceRewriting.h"
#include "tests/reference/ReferenceRun.h"
#include "tests/reference/ReferenceWorldScan.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempRoute.h"

namespace veltrano::reference {
namespace {

const std::string kNl = "\r\n";

std::string utf8(const std::u16string& text) {
    return TextCodec::toUtf8(text);
}

std::string record(const std::string& id, const std::string& tile,
                   const std::string& field = "PickupTrItemData ( 0 00000000 )") {
    return "\t\tPickupItem (" + kNl + "\t\t\tTrItemId ( " + id + " )" + kNl +
           "\t\t\tTrItemRData ( 1.5 2 -3 " + tile + " )" + kNl + "\t\t\t" + field + kNl + "\t\t)" +
           kNl;
}

std::string trackFile(const std::string& records) {
    return "SIMISA@@@@@@@@@@JINX0T0t______" + kNl + kNl + "TrackDB (" + kNl + records + ")" + kNl;
}

std::string pickup(const std::string& type, const std::string& capacity, const std::string& id) {
    return "\tPickup (" + kNl + "\t\tPickupType ( " + type + " 0 )" + kNl +
           "\t\tPickupCapacity ( " + capacity + " 0 )" + kNl + "\t\tTrItemId ( 0 " + id + " )" +
           kNl + "\t\tPosition ( 1 2 3 )" + kNl + "\t)" + kNl;
}

std::string worldFile(const std::string& objects) {
    return "SIMISA@@@@@@@@@@JINX0w0t______" + kNl + kNl + "Tr_Worldfile (" + kNl + objects + ")" +
           kNl;
}

class ReferenceRunTest : public ::testing::Test {
  protected:
    ReferenceRunTest() { route.makeUsableRoute("TESTROUTE"); }

    void tracks(const std::string& tit, const std::string& tdb) const {
        route.writeUtf16("TESTROUTE.tit", trackFile(tit));
        route.writeUtf16("TESTROUTE.tdb", trackFile(tdb));
    }
    std::string run() {
        ReferenceSettings settings;
        settings.language = "english";
        settings.changeAll = changeAll;
        settings.fillLevel = fillLevel;
        return utf8(ReferenceRun(route.path(), fileSystem, clock, settings).run().protocol);
    }

    test::TempRoute route;
    FileSystem fileSystem;
    test::FixedClock clock;
    int changeAll = 0;
    int fillLevel = 0;
};

TEST(ReferenceWorldFileName, FollowsTheWorkedExamples) {
    EXPECT_EQ(ReferenceCatalogue::fctWorldFileName(
                  u"TrItemRData ( -1234.5 78.9 -4321.0 -5678 14567 )\r\n"),
              u"w-005678+014567.w");
    // The closing parenthesis right after the number, at the end of the text, after a LF.
    EXPECT_EQ(ReferenceCatalogue::fctWorldFileName(u"TrItemRData ( 1 2 3 -5678 14567)"),
              u"w-005678+014567.w");
    EXPECT_EQ(ReferenceCatalogue::fctWorldFileName(u"TrItemRData ( 1 2 3 0 -5 )\n"),
              u"w+000000-000005.w");
    // Seven characters after the minus became a blank: the leftmost six stay.
    EXPECT_EQ(ReferenceCatalogue::fctWorldFileName(u"TrItemRData ( 1 2 3 -1234567 5 )\r"),
              u"w-012345+000005.w");
}

TEST(ReferenceTypeText, ComparesAsNumberAndFallsBackToTheDefault) {
    EXPECT_EQ(ReferenceWorldScan::fctTypeNumToTypeString(u"5", false), u"        Fuel-water");
    EXPECT_EQ(ReferenceWorldScan::fctTypeNumToTypeString(u"280", false), u"        Fuel-water");
    EXPECT_EQ(ReferenceWorldScan::fctTypeNumToTypeString(u"080", true),
              u"   G\u00fcter - Getreide");
    for (const char16_t* other : {u"0", u"9", u"", u"P", u"000"}) {
        EXPECT_EQ(ReferenceWorldScan::fctTypeNumToTypeString(other, false), u"           Freight")
            << utf8(other);
        EXPECT_EQ(ReferenceWorldScan::fctTypeNumToTypeString(other, true),
                  u"              G\u00fcter");
    }
}

TEST(ReferenceFieldText, UsesTheFillLevelOnlyForFuelAndUnknownTypes) {
    const std::vector<std::u16string> codes{u"0", u"1", u"2", u"4", u"8"};
    EXPECT_EQ(ReferenceRewriting::newFieldText(u"5000", u"6", codes, 1),
              u"PickupTrItemData ( 5000 00001300 )");
    EXPECT_EQ(ReferenceRewriting::newFieldText(u"20000", u"5", codes, 3),
              u"PickupTrItemData ( 20000 00004280 )");
    EXPECT_EQ(ReferenceRewriting::newFieldText(u"7", u"2", codes, 4),
              u"PickupTrItemData ( 7 00000100 )");
    EXPECT_EQ(ReferenceRewriting::newFieldText(u"", u"9", codes, 2),
              u"PickupTrItemData (  00002000 )");
    EXPECT_EQ(ReferenceRewriting::newFieldText(u"1", u"", codes, 4),
              u"PickupTrItemData ( 1 00008000 )");
}

TEST_F(ReferenceRunTest, ARouteWithoutPickupsGivesExactlyTheShortBlock) {
    tracks("", "");
    const std::string equals(151, '=');
    EXPECT_EQ(run(), equals + kNl + "--- END 04.12.2026 06:10:23 " + std::string(123, '-') + kNl +
                         kNl + "ready!" + kNl + kNl + "0 pickups found in tdb file." + kNl +
                         "Look up for pickups in tdb file" + kNl + kNl +
                         "--- START 04.12.2026 06:10:23 " + std::string(121, '-') + kNl + equals +
                         kNl + kNl);
    EXPECT_FALSE(route.exists("_Saved_tdb_und_tit_files_before_pickup_correction"));
}

TEST_F(ReferenceRunTest, CountsEveryLetterCaseAndListsEachTileOnceInOrder) {
    tracks("", "PICKUPITEM ( TrItemRData ( 1 2 3 7 8 )" + kNl + "pickupitem" +
                   " trItemRData ( 1 2 3 -1 -1 ) TrItemRData ( 1 2 3 -5 6 )" + kNl +
                   "MyPickupItem" + " TrItemRData ( 1 2 3 7 8 )" + kNl);
    const std::string protocol = run();
    EXPECT_NE(protocol.find("3 pickups found in tdb file."), std::string::npos);
    EXPECT_LT(protocol.find("World file w-000005+000006.w not found!"),
              protocol.find("World file w+000007+000008.w not found!"));
    EXPECT_EQ(protocol.find("w-000001-000001.w"), std::string::npos);
}

TEST_F(ReferenceRunTest, AnIdTextMatchesItsOwnRecordOnlyAndDuplicatesRewriteInTurn) {
    const std::string records = record("1", "-5678 14567") + record("7", "-5678 14567") +
                                record("117", "-5678 14567") + record("17", "-5678 14567");
    tracks(records, records);
    route.writeBytes("WORLD/w-005678+014567.w",
                     worldFile(pickup("6", "5000", "17") + pickup("2", "300", "17")));
    const std::string protocol = run();
    const std::string tdb = route.readUtf16("TESTROUTE.tdb");
    // Only the record of id 17 changes: first to coal, then the second pickup finds a field
    // that is no longer all zeros and leaves it.
    EXPECT_NE(tdb.find("TrItemId ( 17 )\r\n\t\t\tTrItemRData ( 1.5 2 -3 -5678 14567 )\r\n\t\t\t"
                       "PickupTrItemData ( 5000 00000300 )"),
              std::string::npos);
    EXPECT_EQ(tdb.find("PickupTrItemData ( 300 "), std::string::npos);
    EXPECT_EQ(protocol.find("    2.       Freight-coal in"), std::string::npos);
    EXPECT_NE(protocol.find("    1.          Fuel-coal in w-005678+014567.w with PickupTrItemData "
                            "( 0 00000000 ) changed to PickupTrItemData ( 5000 00000300 )"),
              std::string::npos);

    changeAll = 1;
    const std::string second = run();
    EXPECT_NE(second.find("    2.       Freight-coal in w-005678+014567.w with PickupTrItemData ( "
                          "5000 00000300 ) changed to PickupTrItemData ( 300 00000100 )"),
              std::string::npos);
}

TEST_F(ReferenceRunTest, AChangeInTheItemTableAloneBacksUpBothFilesWithoutAMessage) {
    const std::string changed = record("4", "-5678 14567");
    const std::string done = record("4", "-5678 14567", "PickupTrItemData ( 9 00000280 )");
    tracks(changed, done);
    route.writeBytes("WORLD/w-005678+014567.w", worldFile(pickup("5", "9", "4")));
    const std::string before = route.readBytes("TESTROUTE.tdb");
    const std::string protocol = run();
    EXPECT_EQ(protocol.find("No need to make any change."), std::string::npos);
    EXPECT_EQ(protocol.find(" with PickupTrItemData"), std::string::npos);
    const std::string folder = "_Saved_tdb_und_tit_files_before_pickup_correction";
    EXPECT_EQ(route.list(folder),
              (std::vector<std::string>{"_Datum-261204_Uhrzeit-061023_TESTROUTE.tdb",
                                        "_Datum-261204_Uhrzeit-061023_TESTROUTE.tit"}));
    EXPECT_EQ(route.readBytes(folder + "/_Datum-261204_Uhrzeit-061023_TESTROUTE.tdb"), before);
    EXPECT_NE(route.readUtf16("TESTROUTE.tit").find("PickupTrItemData ( 9 00000280 )"),
              std::string::npos);
}

TEST_F(ReferenceRunTest, NothingToChangeTouchesNoFile) {
    const std::string done = record("4", "-5678 14567", "PickupTrItemData ( 9 00000280 )");
    tracks(done, done);
    route.writeBytes("WORLD/w-005678+014567.w", worldFile(pickup("5", "9", "4")));
    const std::string before = route.readBytes("TESTROUTE.tdb");
    const std::string protocol = run();
    EXPECT_NE(protocol.find(" No need to make any change.\r\n"), std::string::npos);
    EXPECT_FALSE(route.exists("_Saved_tdb_und_tit_files_before_pickup_correction"));
    EXPECT_EQ(route.readBytes("TESTROUTE.tdb"), before);
}

TEST_F(ReferenceRunTest, AFieldLessIdIsSkippedWithItsLineAndAPositionlessRecordWithItsOwn) {
    tracks("", "\t\tPickupItem (" + kNl + "\t\t\tTrItemId ( 4 )" + kNl +
                   "\t\t\tTrItemRData ( 1 2 3 -5678 14567 )" + kNl + "\t\t)" + kNl + "PickupItem" +
                   kNl);
    route.writeBytes("WORLD/w-005678+014567.w", worldFile(pickup("5", "9", "4")));
    const std::string protocol = run();
    EXPECT_NE(protocol.find("*** TrItemId ( 4 ) in TESTROUTE.tdb without a complete "
                            "PickupTrItemData skipped.\r\n"),
              std::string::npos);
    EXPECT_NE(protocol.find("2 pickups found in tdb file.\r\n*** PickupItem without TrItemRData "
                            "skipped (character "),
              std::string::npos);
}

}  // namespace
}  // namespace veltrano::reference
