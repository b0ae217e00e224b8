// Phase 3: which PickupTrItemData fields are rewritten, to what, in which file, and how the
// track files come back onto the disk.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/PickupRecordRewriter.h"
#include "tests/engine/RunFixture.h"

namespace veltrano::test {
namespace {

constexpr const char* kWorld = "w+000002+000003.w";

// The type table of the field: ending of the second value, and whether the selected fill
// level or always "0" stands before it.
struct FieldRow {
    const char16_t* type;
    const char* ending;
    bool takesFillLevel;
};
const FieldRow kFieldRows[] = {
    {u"1", "080", false}, {u"2", "100", false}, {u"3", "180", false}, {u"4", "200", false},
    {u"5", "280", true},  {u"6", "300", true},  {u"7", "380", true},  {u"8", "400", false},
    {u"9", "000", true},  {u"", "000", true},   {u"x", "000", true},  {u"10", "000", true},
};
const char* kFillCodes[] = {"0", "1", "2", "4", "8"};

TEST(NewFieldText, EveryTypeCodeWithEveryFillLevel) {
    for (const FieldRow& row : kFieldRows) {
        for (const char* fill : kFillCodes) {
            const std::string expected = std::string("PickupTrItemData ( 750 0000") +
                                         (row.takesFillLevel ? fill : "0") + row.ending + " )";
            EXPECT_EQ(utf8(PickupRecordRewriter::newFieldText(u"750", row.type,
                                                              TextCodec::fromUtf8(fill))),
                      expected)
                << "type '" << utf8(row.type) << "' fill " << fill;
        }
    }
}

TEST(NewFieldText, CapacityIsTakenAsItStands) {
    EXPECT_EQ(utf8(PickupRecordRewriter::newFieldText(u"20000", u"5", u"4")),
              "PickupTrItemData ( 20000 00004280 )");
    EXPECT_EQ(utf8(PickupRecordRewriter::newFieldText(u"1.5e3", u"6", u"1")),
              "PickupTrItemData ( 1.5e3 00001300 )");
    EXPECT_EQ(utf8(PickupRecordRewriter::newFieldText(u"", u"2", u"8")),
              "PickupTrItemData (  00000100 )");
}

// Ten pickups of the types "1" to "9" and one without a type line, through whole runs.
class EveryTypeAtFillLevel : public RunFixture, public ::testing::WithParamInterface<int> {};

TEST_P(EveryTypeAtFillLevel, RewritesEveryZeroFieldByTheTable) {
    state.gvarFuellstand = GetParam();
    const std::string fill = kFillCodes[GetParam()];
    std::string records;
    std::string expectedRecords;
    std::string objects;
    for (int id = 1; id <= 10; ++id) {
        const std::string idText = std::to_string(id);
        const std::string capacity = std::to_string(id * 100);
        const FieldRow& row = kFieldRows[id - 1];
        records += trackRecord(idText, "2", "3");
        expectedRecords += trackRecord(idText, "2", "3",
                                       "PickupTrItemData ( " + capacity + " 0000" +
                                           (row.takesFillLevel ? fill : "0") + row.ending + " )");
        if (id == 10) {
            objects += worldObject("Pickup", {"PickupCapacity ( " + capacity + " 0 )",
                                              "TrItemId ( 0 10 )", "Position ( 1 2 3 )"});
        } else {
            objects += pickupObject(idText, capacity, idText);
        }
    }
    writeTrackFiles(records);
    writeWorld(kWorld, worldFile(objects));

    run();

    EXPECT_EQ(tdbText(), trackFile(expectedRecords));
    EXPECT_EQ(titText(), trackFile(expectedRecords));
    const std::string text = protocol();
    EXPECT_NE(text.find("\r\n    5.         Fuel-water in w+000002+000003.w with "),
              std::string::npos);
    EXPECT_NE(text.find("\r\n    9.            Freight in w+000002+000003.w with "),
              std::string::npos);
    EXPECT_NE(text.find("\r\n   10.            Freight in w+000002+000003.w with "
                        "PickupTrItemData ( 0 00000000 ) changed to PickupTrItemData ( 1000 0000" +
                        fill + "000 )\r\n"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(FillLevels, EveryTypeAtFillLevel, ::testing::Range(0, 5));

class PickupRecordRewriting : public RunFixture {
  protected:
    // One world pickup (type, capacity, id 17) and one record with `field` in both files.
    void routeWith(const std::string& type, const std::string& capacity, const std::string& field) {
        writeTrackFiles(trackRecord("17", "2", "3", field));
        writeWorld(kWorld, worldFile(pickupObject(type, capacity, "17")));
    }
    std::string expectedWith(const std::string& field) const {
        return trackFile(trackRecord("17", "2", "3", field));
    }
    bool logged(const std::string& text) const {
        return protocol().find(text) != std::string::npos;
    }
};

TEST_F(PickupRecordRewriting, ZeroFieldIsRewrittenWithoutChangeAll) {
    state.gvarFuellstand = 1;
    routeWith("6", "5000", kZeroField);
    run();
    EXPECT_EQ(tdbText(), expectedWith("PickupTrItemData ( 5000 00001300 )"));
    EXPECT_TRUE(
        logged("\r\n    1.          Fuel-coal in w+000002+000003.w with PickupTrItemData ( 0 "
               "00000000 ) changed to PickupTrItemData ( 5000 00001300 )\r\n"));
}

TEST_F(PickupRecordRewriting, FilledFieldIsLeftAloneWithoutChangeAllWhateverTheFillLevel) {
    for (int level = 0; level <= 4; ++level) {
        state.gvarFuellstand = level;
        routeWith("6", "5000", "PickupTrItemData ( 5000 00001300 )");
        const std::string before = route.readBytes(kRouteId + ".tdb");
        run();
        EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), before) << "fill level " << level;
    }
    EXPECT_FALSE(route.exists(utf8(kEnglishSaveFolder)));
}

TEST_F(PickupRecordRewriting, ChangeAllRewritesFilledFieldsAndFreightIgnoresTheFillLevel) {
    host.changeAll = 1;
    state.gvarFuellstand = 4;
    routeWith("2", "500", "PickupTrItemData ( 100 00008080 )");
    run();
    EXPECT_EQ(tdbText(), expectedWith("PickupTrItemData ( 500 00000100 )"));
    EXPECT_TRUE(
        logged(" with PickupTrItemData ( 100 00008080 ) changed to PickupTrItemData ( 500 "
               "00000100 )\r\n"));
}

TEST_F(PickupRecordRewriting, FieldThatIsAlreadyRightIsNoChange) {
    host.changeAll = 1;
    routeWith("5", "20000", "PickupTrItemData ( 20000 00000280 )");
    const std::string tdbBefore = route.readBytes(kRouteId + ".tdb");
    const std::string titBefore = route.readBytes(kRouteId + ".tit");
    run();
    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), tdbBefore);
    EXPECT_EQ(route.readBytes(kRouteId + ".tit"), titBefore);
    EXPECT_FALSE(route.exists(utf8(kEnglishSaveFolder)));
    EXPECT_TRUE(logged("ready!\r\n\r\n No need to make any change.\r\n\r\nChange pickups"));
    EXPECT_FALSE(logged(" changed to "));
}

TEST_F(PickupRecordRewriting, IdTextMatchesOnlyTheWholeId) {
    writeTrackFiles(trackRecord("1", "2", "3") + trackRecord("117", "2", "3") +
                    trackRecord("7", "2", "3") + trackRecord("17", "2", "3"));
    writeWorld(kWorld, worldFile(pickupObject("5", "900", "17")));
    run();
    EXPECT_EQ(tdbText(),
              trackFile(trackRecord("1", "2", "3") + trackRecord("117", "2", "3") +
                        trackRecord("7", "2", "3") +
                        trackRecord("17", "2", "3", "PickupTrItemData ( 900 00000280 )")));
}

TEST_F(PickupRecordRewriting, IdWrittenWithoutInnerBlanksIsNotFound) {
    std::string record = trackRecord("17", "2", "3");
    record.replace(record.find("TrItemId ( 17 )"), 15, "TrItemId (17)");
    writeTrackFiles(record);
    writeWorld(kWorld, worldFile(pickupObject("5", "900", "17")));
    const std::string before = route.readBytes(kRouteId + ".tdb");
    run();
    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), before);
    EXPECT_TRUE(logged(" No need to make any change.\r\n"));
}

TEST_F(PickupRecordRewriting, FieldSearchRunsPastTheRecordOfTheId) {
    // The record of id 17 has no field of its own; the next record's field is the one found.
    std::string first = trackRecord("17", "2", "3");
    first.erase(first.find(kZeroField), kZeroField.size());
    writeTrackFiles(first + trackRecord("18", "2", "3"));
    writeWorld(kWorld, worldFile(pickupObject("3", "40", "17")));
    run();
    EXPECT_EQ(tdbText(),
              trackFile(first + trackRecord("18", "2", "3", "PickupTrItemData ( 40 00000180 )")));
}

TEST_F(PickupRecordRewriting, SameIdTwiceComparesWithTheFirstResult) {
    writeTrackFiles(trackRecord("17", "2", "3"));
    writeWorld(kWorld,
               worldFile(pickupObject("5", "1000", "17") + pickupObject("6", "2000", "17")));

    run();  // without change-all the second pickup finds a field that is no longer all zeros
    EXPECT_EQ(tdbText(), expectedWith("PickupTrItemData ( 1000 00000280 )"));
    EXPECT_FALSE(logged("    2.          Fuel-coal in "));

    writeTrackFiles(trackRecord("17", "2", "3"));
    host.changeAll = 1;
    host.boxText.clear();
    run();
    EXPECT_EQ(tdbText(), expectedWith("PickupTrItemData ( 2000 00000300 )"));
    EXPECT_TRUE(
        logged("\r\n    2.          Fuel-coal in w+000002+000003.w with PickupTrItemData ( "
               "1000 00000280 ) changed to PickupTrItemData ( 2000 00000300 )\r\n    1. "));
}

TEST_F(PickupRecordRewriting, KeywordInAnyLetterCaseIsFoundAndWrittenProperly) {
    routeWith("5", "300", "pickuptritemdata ( 0 00000000 )");
    run();
    EXPECT_EQ(tdbText(), expectedWith("PickupTrItemData ( 300 00000280 )"));
    EXPECT_TRUE(logged(" with pickuptritemdata ( 0 00000000 ) changed to "));

    // With the values already right, only the keyword's letter case differs: still a change.
    host.changeAll = 1;
    routeWith("5", "300", "PICKUPTRITEMDATA ( 300 00000280 )");
    run();
    EXPECT_EQ(tdbText(), expectedWith("PickupTrItemData ( 300 00000280 )"));
    EXPECT_TRUE(
        logged(" with PICKUPTRITEMDATA ( 300 00000280 ) changed to PickupTrItemData ( 300 "
               "00000280 )\r\n"));
}

TEST_F(PickupRecordRewriting, ChangeInTheTrackItemTableAloneRewritesBothFiles) {
    const std::string right = "PickupTrItemData ( 20000 00000280 )";
    route.writeBytes(kRouteId + ".tdb", trackFile(trackRecord("17", "2", "3", right)));
    route.writeUtf16(kRouteId + ".tit", trackFile(trackRecord("17", "2", "3")));
    writeWorld(kWorld, worldFile(pickupObject("5", "20000", "17")));

    run();

    EXPECT_EQ(titText(), expectedWith(right));
    // The .tdb was 8-bit text: coming back as UTF-16 shows it was written, text unchanged.
    EXPECT_EQ(tdbText(), expectedWith(right));
    EXPECT_EQ(route.list(utf8(kEnglishSaveFolder)),
              (std::vector<std::string>{"_Datum-261204_Uhrzeit-061023_TESTROUTE.tdb",
                                        "_Datum-261204_Uhrzeit-061023_TESTROUTE.tit"}));
    EXPECT_FALSE(logged(" changed to "));
    EXPECT_FALSE(logged("No need"));
}

TEST_F(PickupRecordRewriting, ChangeInTheTrackDatabaseAloneLeavesTheTrackItemTable) {
    route.writeUtf16(kRouteId + ".tdb", trackFile(trackRecord("17", "2", "3")));
    route.writeBytes(kRouteId + ".tit",
                     trackFile(trackRecord("17", "2", "3", "PickupTrItemData ( 20000 00000280 )")));
    writeWorld(kWorld, worldFile(pickupObject("5", "20000", "17")));
    const std::string titBefore = route.readBytes(kRouteId + ".tit");

    run();

    EXPECT_EQ(route.readBytes(kRouteId + ".tit"), titBefore);
    EXPECT_EQ(tdbText(), expectedWith("PickupTrItemData ( 20000 00000280 )"));
    EXPECT_EQ(route.list(utf8(kEnglishSaveFolder)),
              (std::vector<std::string>{"_Datum-261204_Uhrzeit-061023_TESTROUTE.tdb"}));
}

TEST_F(PickupRecordRewriting, WrittenAsUtf16LeKeepingEveryOtherCharacter) {
    const std::string head =
        "SIMISA@@@@@@@@@@JINX0T0t______\r\n\r\nTrackDB (\n\tComment ( Straße – “Nord” 😀 )\r\n"
        "\tPickupItem (\n\t\tTrItemId ( 17 )\r\n\t\tTrItemRData ( 1 2 3 2 3 )\n\t\t";
    const std::string tail = "\r\n\t)\n)";
    route.writeUtf16(kRouteId + ".tdb", head + kZeroField + tail);
    route.writeUtf16(kRouteId + ".tit", head + kZeroField + tail);
    writeWorld(kWorld, worldFile(pickupObject("7", "600", "17")));

    run();

    const std::string expected = utf16LeWithBom(head + "PickupTrItemData ( 600 00000380 )" + tail);
    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), expected);
    EXPECT_EQ(route.readBytes(kRouteId + ".tit"), expected);
}

TEST_F(PickupRecordRewriting, EightBitTrackDatabaseComesBackAsUtf16) {
    const std::string records = "\t\tComment ( K\xF6ln \x80 )\r\n" + trackRecord("17", "2", "3");
    route.writeBytes(kRouteId + ".tdb", trackFile(records));
    writeWorld(kWorld, worldFile(pickupObject("4", "70", "17")));

    run();

    EXPECT_EQ(
        route.readBytes(kRouteId + ".tdb"),
        utf16LeWithBom(trackFile("\t\tComment ( Köln € )\r\n" +
                                 trackRecord("17", "2", "3", "PickupTrItemData ( 70 00000200 )"))));
}

TEST_F(PickupRecordRewriting, SecondRunWithTheSameSettingsChangesNothing) {
    host.changeAll = 1;
    state.gvarFuellstand = 2;
    routeWith("5", "12000", kZeroField);
    run();
    const std::string tdbAfterFirst = route.readBytes(kRouteId + ".tdb");
    const std::string titAfterFirst = route.readBytes(kRouteId + ".tit");
    EXPECT_EQ(tdbText(), expectedWith("PickupTrItemData ( 12000 00002280 )"));

    clock.setLocal(2026, 12, 4, 6, 11, 0);
    host.boxText.clear();
    run();

    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), tdbAfterFirst);
    EXPECT_EQ(route.readBytes(kRouteId + ".tit"), titAfterFirst);
    EXPECT_TRUE(logged(" No need to make any change.\r\n"));
    EXPECT_EQ(route.list(utf8(kEnglishSaveFolder)).size(), 2u) << "no copies of the second run";
}

TEST_F(PickupRecordRewriting, TrackFileUnderAnotherLetterCaseKeepsItsName) {
    std::filesystem::remove(route.pathOf(kRouteId + ".tdb"));
    std::filesystem::remove(route.pathOf(kRouteId + ".tit"));
    route.writeBytes("Route.trk", "Tr_RouteFile (\r\n\tRouteID ( DK24 )\r\n)\r\n");
    route.writeUtf16("DK24.tdb", trackFile(trackRecord("17", "2", "3")));
    route.writeUtf16("dk24.tit", trackFile(trackRecord("17", "2", "3")));
    writeWorld(kWorld, worldFile(pickupObject("1", "5", "17")));

    RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::Completed);
    const std::string expected =
        trackFile(trackRecord("17", "2", "3", "PickupTrItemData ( 5 00000080 )"));
    EXPECT_EQ(route.readUtf16("dk24.tit"), expected);
    EXPECT_EQ(route.readUtf16("DK24.tdb"), expected);
    EXPECT_EQ(route.list(), (std::vector<std::string>{"DK24.tdb", "Route.trk", "WORLD",
                                                      utf8(kEnglishSaveFolder), "dk24.tit"}));
}

TEST_F(PickupRecordRewriting, IdWithoutACompleteFieldAfterItIsSkippedAndTheRunGoesOn) {
    const std::string good = trackRecord("17", "2", "3");
    const std::string idOnly =
        "\t\tPickupItem (\r\n\t\t\tTrItemId ( 9 )\r\n\t\t\tTrItemRData ( 0 0 0 2 3 )\r\n";
    for (const std::string& text :
         {trackFile(good + idOnly + "\t\t)\r\n"),
          trackFile(good) + idOnly + "\t\t\tPickupTrItemData ( 0 00000000"}) {
        route.writeUtf16(kRouteId + ".tdb", text);
        route.writeUtf16(kRouteId + ".tit", text);
        writeWorld(kWorld, worldFile(pickupObject("9", "1", "9") + pickupObject("5", "250", "17")));
        host.boxText.clear();

        RunResult result = run();

        EXPECT_EQ(result.outcome, RunOutcome::Completed);
        ASSERT_FALSE(result.problems.empty());
        for (const std::u16string& problem : result.problems) {
            const std::string line = utf8(problem);
            EXPECT_EQ(line.rfind("*** TrItemId ( 9 ) in ", 0), 0u) << line;
            const std::string end = " without a complete PickupTrItemData skipped.";
            ASSERT_GE(line.size(), end.size());
            EXPECT_EQ(line.substr(line.size() - end.size()), end);
            EXPECT_TRUE(logged("\r\n" + line + "\r\n"));
        }
        std::string expected = text;
        expected.replace(expected.find(kZeroField), kZeroField.size(),
                         "PickupTrItemData ( 250 00000280 )");
        EXPECT_EQ(tdbText(), expected);
        EXPECT_EQ(titText(), expected);
    }
}

}  // namespace
}  // namespace veltrano::test
