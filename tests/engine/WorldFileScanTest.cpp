// Phase 2: the item rules that turn Pickup objects of the world files into the per-pickup
// arrays and found lines, the missing and compressed world files, and the type texts.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/WorldFileScan.h"
#include "tests/engine/RunFixture.h"

namespace veltrano::test {
namespace {

struct TypeRow {
    const char16_t* number;
    long long code;
    const char* german;
    const char* english;
};

const TypeRow kTypeRows[] = {
    {u"1", 80, "   Güter - Getreide", "     Freight-grain"},
    {u"2", 100, "      Güter - Kohle", "      Freight-coal"},
    {u"3", 180, "       Güter - Kies", "    Freight-gravel"},
    {u"4", 200, "       Güter - Sand", "      Freight-sand"},
    {u"5", 280, "Treibstoff - Wasser", "        Fuel-water"},
    {u"6", 300, " Treibstoff - Kohle", "         Fuel-coal"},
    {u"7", 380, "Treibstoff - Diesel", "       Fuel-diesel"},
    {u"8", 400, "   Sonderzug - Post", "Special train mail"},
};
const char* kGermanDefault = "              Güter";
const char* kEnglishDefault = "           Freight";

std::string typeText(std::u16string_view type, bool german) {
    return utf8(WorldFileScan::fctTypeNumToTypeString(type, german));
}
std::string typeText(long long type, bool german) {
    return utf8(WorldFileScan::fctTypeNumToTypeString(type, german));
}

TEST(TypeNumToTypeString, EveryRowByTypeNumberAndByTrackFileCode) {
    for (const TypeRow& row : kTypeRows) {
        EXPECT_EQ(typeText(row.number, true), row.german);
        EXPECT_EQ(typeText(row.number, false), row.english);
        EXPECT_EQ(typeText(row.code, true), row.german);
        EXPECT_EQ(typeText(row.code, false), row.english);
        EXPECT_EQ(typeText(std::stoll(utf8(row.number)), false), row.english);
        EXPECT_EQ(typeText(TextCodec::fromUtf8(std::to_string(row.code)), false), row.english);
        // Fixed widths: 19 characters in German, 18 in English.
        EXPECT_EQ(WorldFileScan::fctTypeNumToTypeString(row.code, true).size(), 19u);
        EXPECT_EQ(WorldFileScan::fctTypeNumToTypeString(row.code, false).size(), 18u);
    }
}

TEST(TypeNumToTypeString, AnythingElseGivesTheDefaultText) {
    for (bool german : {true, false}) {
        const char* expected = german ? kGermanDefault : kEnglishDefault;
        EXPECT_EQ(typeText(0, german), expected);
        EXPECT_EQ(typeText(9, german), expected);
        EXPECT_EQ(typeText(81, german), expected);
        EXPECT_EQ(typeText(-5, german), expected);
        EXPECT_EQ(typeText(u"0", german), expected);
        EXPECT_EQ(typeText(u"9", german), expected);
        EXPECT_EQ(typeText(u"", german), expected);
        EXPECT_EQ(typeText(u"x", german), expected);
        EXPECT_EQ(typeText(u"P", german), expected);
    }
}

// One track record in tile (2, 3), whose world file the tests fill.
class WorldFileScanRun : public RunFixture {
  protected:
    static constexpr const char* kWorld = "w+000002+000003.w";

    WorldFileScanRun() { writeTrackFiles(trackRecord("17", "2", "3")); }

    std::vector<std::string> column(const std::vector<std::u16string>& array) const {
        std::vector<std::string> values;
        for (const auto& value : array) {
            values.push_back(utf8(value));
        }
        return values;
    }
    std::size_t count(const std::string& what) const {
        std::size_t found = 0;
        const std::string text = protocol();
        for (std::size_t at = text.find(what); at != std::string::npos;
             at = text.find(what, at + 1)) {
            ++found;
        }
        return found;
    }
};

TEST_F(WorldFileScanRun, RecordsTypeCapacityIdAndWorldFileOfATabIndentedPickup) {
    writeWorld(kWorld, worldFile(pickupObject("5", "20000", "17")));
    run();
    EXPECT_EQ(column(state.garrPickupType), (std::vector<std::string>{"", "5"}));
    EXPECT_EQ(column(state.garrPickupCapacity), (std::vector<std::string>{"", "20000"}));
    EXPECT_EQ(column(state.garrPickupTrItemId), (std::vector<std::string>{"", "17"}));
    EXPECT_EQ(column(state.garrPickupWorldFile), (std::vector<std::string>{"", kWorld}));
}

TEST_F(WorldFileScanRun, BlankIndentedLinesWithLfLineEndsWork) {
    writeWorld(kWorld,
               "SIMISA@@@@@@@@@@JINX0w0t______\n\nTr_Worldfile (\n  Pickup (\n"
               "    PickupType ( 7 0 )\n    PickupCapacity ( 4500 1 )\n"
               "    TrItemId ( 0 17 )\n    Position ( 9 8 7 )  \n  )\n)\n");
    run();
    EXPECT_EQ(column(state.garrPickupType), (std::vector<std::string>{"", "7"}));
    EXPECT_EQ(column(state.garrPickupCapacity), (std::vector<std::string>{"", "4500"}));
    EXPECT_EQ(column(state.garrPickupTrItemId), (std::vector<std::string>{"", "17"}));
    // The quoted item keeps its trailing blanks.
    EXPECT_EQ(count("    1.        Fuel-diesel found in w+000002+000003.w at Position ( 9 8 7 )  "
                    "\r\n"),
              1u);
}

TEST_F(WorldFileScanRun, KeywordsAreFoundInAnyLetterCaseButOnlyTheExactOnesAreCutOut) {
    writeWorld(kWorld,
               worldFile(worldObject("PICKUP", {"PICKUPTYPE ( 5 0 )", "pickupcapacity ( 300 0 )",
                                                "TRITEMID ( 0 17 )", "POSITION ( 4 5 6 )"})));
    run();
    EXPECT_EQ(column(state.garrPickupType), (std::vector<std::string>{"", "P"}));
    EXPECT_EQ(column(state.garrPickupCapacity), (std::vector<std::string>{"", "pickupcapacity"}));
    EXPECT_EQ(column(state.garrPickupTrItemId), (std::vector<std::string>{"", "17"}));
    EXPECT_EQ(
        count("    1.            Freight found in w+000002+000003.w at POSITION ( 4 5 6 )\r\n"),
        1u);
}

TEST_F(WorldFileScanRun, CapacityWithASingleValueStoresAnEmptyCapacity) {
    writeWorld(kWorld,
               worldFile(worldObject("Pickup", {"PickupType ( 5 0 )", "PickupCapacity ( 5 )",
                                                "TrItemId ( 0 17 )", "Position ( 1 2 3 )"})));
    run();
    EXPECT_EQ(column(state.garrPickupCapacity), (std::vector<std::string>{"", ""}));
    EXPECT_NE(tdbText().find("PickupTrItemData (  00000280 )"), std::string::npos)
        << "the empty capacity is written as it is";
}

TEST_F(WorldFileScanRun, PositionBeforeTrItemIdKeepsAnEmptyIdAndTheRecordUntouched) {
    writeWorld(kWorld,
               worldFile(worldObject("Pickup", {"PickupType ( 5 0 )", "PickupCapacity ( 5 0 )",
                                                "Position ( 1 2 3 )", "TrItemId ( 0 17 )"})));
    const std::string tdbBefore = route.readBytes(kRouteId + ".tdb");
    run();
    EXPECT_EQ(column(state.garrPickupTrItemId), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), tdbBefore);
    EXPECT_EQ(count(" No need to make any change.\r\n"), 1u);
}

TEST_F(WorldFileScanRun, PickupNumbersCountOnAcrossWorldFiles) {
    writeTrackFiles(trackRecord("17", "2", "3") + trackRecord("20", "-1", "0"));
    writeWorld(kWorld, worldFile(pickupObject("1", "10", "17") + pickupObject("2", "20", "18")));
    writeWorld("w-000001+000000.w", worldFile(pickupObject("3", "30", "20", "Position ( 0 0 0 )")));
    run();
    EXPECT_EQ(column(state.garrPickupWorldFile),
              (std::vector<std::string>{"", kWorld, kWorld, "w-000001+000000.w"}));
    EXPECT_EQ(column(state.garrPickupTrItemId), (std::vector<std::string>{"", "17", "18", "20"}));
    EXPECT_EQ(
        count("    3.     Freight-gravel found in w-000001+000000.w at Position ( 0 0 0 )\r\n"),
        1u);
    EXPECT_EQ(
        count("    2.       Freight-coal found in w+000002+000003.w at Position ( 1 2 3 )\r\n"),
        1u);
}

TEST_F(WorldFileScanRun, PositionWithCommasIsQuotedUpToItsFirstComma) {
    writeWorld(kWorld, worldFile(pickupObject("5", "100", "17", "Position ( 1, 2, 3 )")));
    run();
    EXPECT_EQ(count(" found in w+000002+000003.w at Position ( 1\r\n"), 1u);
    EXPECT_EQ(count(" found in w+"), 1u);
}

TEST_F(WorldFileScanRun, PositionOutsideAPickupWritesNothing) {
    writeWorld(kWorld, worldFile(worldObject("Static", {"UiD ( 3 )", "FileName ( shed.s )",
                                                        "Position ( 7 8 9 )"}) +
                                 pickupObject("5", "100", "17") +
                                 worldObject("Static", {"Position ( 5 5 5 )"})));
    run();
    EXPECT_EQ(count(" found in w+"), 1u);
    EXPECT_EQ(
        count("    1.         Fuel-water found in w+000002+000003.w at Position ( 1 2 3 )\r\n"),
        1u);
    EXPECT_EQ(state.garrPickupTrItemId.size(), 2u);
}

TEST_F(WorldFileScanRun, PickupWithoutPositionIsNeverReportedButStillRewritten) {
    writeTrackFiles(trackRecord("17", "2", "3") + trackRecord("18", "2", "3"));
    writeWorld(kWorld,
               worldFile(worldObject("Pickup", {"PickupType ( 5 0 )", "PickupCapacity ( 800 0 )",
                                                "TrItemId ( 0 17 )"}) +
                         pickupObject("2", "60", "18")));
    run();
    EXPECT_EQ(column(state.garrPickupTrItemId), (std::vector<std::string>{"", "17", "18"}));
    EXPECT_EQ(count(" found in w+"), 1u);
    EXPECT_EQ(count("    2.       Freight-coal found in "), 1u);
    EXPECT_EQ(tdbText(),
              trackFile(trackRecord("17", "2", "3", "PickupTrItemData ( 800 00000280 )") +
                        trackRecord("18", "2", "3", "PickupTrItemData ( 60 00000100 )")));
    EXPECT_EQ(count("    1.         Fuel-water in w+000002+000003.w with "), 1u);
}

TEST_F(WorldFileScanRun, MissingWorldFileIsReportedAndTheRunGoesOn) {
    RunResult result = run();
    EXPECT_EQ(result.outcome, RunOutcome::Completed);
    EXPECT_EQ(count("\r\nWorld file w+000002+000003.w not found!\r\n\r\nLook up for pickups in "
                    "world files:\r\n"),
              1u);
    EXPECT_EQ(state.garrPickupTrItemId.size(), 1u);
}

TEST_F(WorldFileScanRun, WorldFileWithoutTheHeaderInItsFirstItemCountsAsCompressed) {
    for (const std::string& content :
         {std::string("Tr_Worldfile (\r\nSIMISA@@@@@@@@@@JINX0w0t______\r\n") +
              pickupObject("5", "1", "17"),
          std::string("SIMISA@@@@@@@@@@JIM\r\n") + pickupObject("5", "1", "17"), std::string(""),
          utf16LeWithBom(worldFile(pickupObject("5", "1", "17")))}) {
        writeWorld(kWorld, content);
        host.boxText.clear();
        run();
        EXPECT_EQ(count("\r\n World file w+000002+000003.w is compressed, therefore not "
                        "readable!\r\n\r\nLook up for pickups in world files:\r\n"),
                  1u)
            << content;
        EXPECT_EQ(state.garrPickupTrItemId.size(), 1u);
    }
}

TEST_F(WorldFileScanRun, HeaderAfterBlanksAndBeforeACommaStillCountsAsPlainText) {
    writeWorld(kWorld, "  SIMISA@@@@@@@@@@JINX0w0t,more\r\n" + pickupObject("5", "1", "17"));
    run();
    EXPECT_EQ(state.garrPickupTrItemId.size(), 2u);
}

TEST_F(WorldFileScanRun, WorldFolderAndFileFoundUnderAnotherLetterCase) {
    std::filesystem::remove(route.pathOf("WORLD"));
    route.writeBytes("world/W+000002+000003.W", worldFile(pickupObject("5", "20000", "17")));
    run();
    EXPECT_EQ(column(state.garrPickupTrItemId), (std::vector<std::string>{"", "17"}));
    EXPECT_EQ(column(state.garrPickupWorldFile), (std::vector<std::string>{"", kWorld}));
    EXPECT_EQ(count("World file w+000002+000003.w not found!"), 0u);
}

TEST_F(WorldFileScanRun, GermanFoundMissingAndCompressedLines) {
    useGerman();
    writeTrackFiles(trackRecord("17", "2", "3") + trackRecord("18", "4", "4") +
                    trackRecord("19", "5", "5"));
    writeWorld(kWorld, worldFile(pickupObject("4", "1", "17")));
    writeWorld("w+000005+000005.w", "\x1f\x8b\x08");
    run();
    EXPECT_EQ(count("\r\n Worlddatei w+000005+000005.w ist kommprimiert, daher nicht lesbar!\r\n"
                    "World-Datei w+000004+000004.w nicht gefunden!\r\n"
                    "    1.        Güter - Sand gefunden in w+000002+000003.w an Position ( 1 2 3 )"
                    "\r\n\r\nSuche in World Dateien nach Pickups\r\n"),
              1u)
        << protocol();
}

}  // namespace
}  // namespace veltrano::test
