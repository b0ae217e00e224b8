// Phase 1: which text of the track database counts as a pickup record, and which world file
// each record's tile numbers name.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/TdbPickupCatalogue.h"
#include "tests/engine/RunFixture.h"

namespace veltrano::test {
namespace {

std::string worldName(std::u16string_view cut) {
    return utf8(TdbPickupCatalogue::fctWorldFileName(cut));
}

TEST(WorldFileName, TileNumbersAreWrittenWithSignAndSixDigits) {
    EXPECT_EQ(worldName(u"TrItemRData ( -1234.5 78.9 -4321.0 -5678 14567 )\r"),
              "w-005678+014567.w");
    EXPECT_EQ(worldName(u"TrItemRData ( 1 2 3 0 -5 )\r"), "w+000000-000005.w");
    EXPECT_EQ(worldName(u"TrItemRData ( 1 2 3 -5 0 )\r"), "w-000005+000000.w");
    EXPECT_EQ(worldName(u"TrItemRData ( 1 2 3 999999 -99999 )\r"), "w+999999-099999.w");
    // Six digits after a minus sign make seven characters once the sign is a blank.
    EXPECT_EQ(worldName(u"TrItemRData ( 1 2 3 -999999 0 )\r"), "w-099999+000000.w");
}

TEST(WorldFileName, TileNumberOfSevenCharactersKeepsItsLeftmostSix) {
    // The minus sign turns into a blank that counts as a character before the cut.
    EXPECT_EQ(worldName(u"TrItemRData ( 1 2 3 -1234567 1 )\r"), "w-012345+000001.w");
}

TEST(WorldFileName, ClosingParenthesisVariantsGiveTheSameName) {
    for (const char16_t* cut :
         {u"TrItemRData ( 1 2 3 -5678 14567 )\r", u"TrItemRData ( 1 2 3 -5678 14567)\r",
          u"TrItemRData ( 1 2 3 -5678 14567 )\n", u"TrItemRData ( 1 2 3 -5678 14567 ) ",
          u"TrItemRData ( 1 2 3 -5678 14567 )", u"TrItemRData ( 1 2 3 -5678 14567)"}) {
        EXPECT_EQ(worldName(cut), "w-005678+014567.w") << utf8(cut);
    }
}

class TdbPickupCatalogueRun : public RunFixture {
  protected:
    void writeTdb(const std::string& text) const { route.writeUtf16(kRouteId + ".tdb", text); }
    std::vector<std::string> worldFiles() const {
        std::vector<std::string> names;
        for (const auto& name : state.garrWorldFiles) {
            names.push_back(utf8(name));
        }
        return names;
    }
};

TEST_F(TdbPickupCatalogueRun, PickupItemCountsInAnyLetterCase) {
    std::string records =
        trackRecord("1", "1", "1") + trackRecord("2", "2", "2") + trackRecord("3", "3", "3");
    records.replace(records.find("PickupItem"), 10, "PICKUPITEM");
    records.replace(records.find("PickupItem"), 10, "pickupitem");
    writeTdb(trackFile(records));

    run();

    EXPECT_EQ(state.gdblTdbPickupCount, 3.0);
    EXPECT_EQ(worldFiles(), (std::vector<std::string>{"", "w+000001+000001.w", "w+000002+000002.w",
                                                      "w+000003+000003.w"}));
    EXPECT_NE(protocol().find("\r\n3 pickups found in tdb file.\r\nLook up for pickups in tdb "
                              "file\r\n"),
              std::string::npos);
}

TEST_F(TdbPickupCatalogueRun, OnlyTrItemRDataInItsOwnLetterCaseOpensThePositionData) {
    writeTdb(
        trackFile("\t\tPickupItem (\r\n\t\t\ttrItemRData ( 0 0 0 7 8 )\r\n"
                  "\t\t\tTRITEMRDATA ( 0 0 0 9 9 )\r\n"
                  "\t\t\tTrItemRData ( 0 0 0 -5678 14567 )\r\n\t\t)\r\n"));
    run();
    EXPECT_EQ(worldFiles(), (std::vector<std::string>{"", "w-005678+014567.w"}));
}

TEST_F(TdbPickupCatalogueRun, WorldFilesAreListedOnceInOrderOfFirstAppearance) {
    writeTdb(trackFile(trackRecord("1", "4", "-4") + trackRecord("2", "-9", "2") +
                       trackRecord("3", "4", "-4") + trackRecord("4", "0", "0") +
                       trackRecord("5", "-9", "2")));
    run();
    EXPECT_EQ(state.gdblTdbPickupCount, 5.0);
    EXPECT_EQ(worldFiles(), (std::vector<std::string>{"", "w+000004-000004.w", "w-000009+000002.w",
                                                      "w+000000+000000.w"}));
}

TEST_F(TdbPickupCatalogueRun, PickupItemAnywhereInTheTextCountsAndTakesTheNextPositionData) {
    // A longer word and a comment both hold the word; each takes the next TrItemRData.
    writeTdb(
        trackFile("\t\tMyPickupItems (\r\n\t\t\tTrItemRData ( 0 0 0 2 3 )\r\n\t\t)\r\n"
                  "\t\tComment ( PickupItem moved )\r\n" +
                  trackRecord("8", "5", "6")));
    run();
    EXPECT_EQ(state.gdblTdbPickupCount, 3.0);
    EXPECT_EQ(worldFiles(),
              (std::vector<std::string>{"", "w+000002+000003.w", "w+000005+000006.w"}));
}

TEST_F(TdbPickupCatalogueRun, PositionDataAtTheVeryEndOfTheText) {
    writeTdb("PickupItem ( TrItemRData ( 0 0 0 -1 -2 )");
    run();
    EXPECT_EQ(worldFiles(), (std::vector<std::string>{"", "w-000001-000002.w"}));
}

TEST_F(TdbPickupCatalogueRun, EightBitTrackDatabaseIsReadAsWell) {
    route.writeBytes(kRouteId + ".tdb", trackFile("\t\tComment ( Stra\xDF"
                                                  "e )\r\n" +
                                                  trackRecord("1", "7", "7")));
    run();
    EXPECT_EQ(worldFiles(), (std::vector<std::string>{"", "w+000007+000007.w"}));
}

TEST_F(TdbPickupCatalogueRun, PickupItemWithoutLaterTrItemRDataIsSkippedWithItsPosition) {
    const std::string text = trackFile(trackRecord("1", "1", "2") +
                                       "\t\tPickupItem (\r\n\t\t\tTrItemId ( 3 )\r\n\t\t)\r\n");
    const std::size_t first = text.find("PickupItem");
    const std::string position = std::to_string(text.find("PickupItem", first + 1) + 1);
    writeTdb(text);

    RunResult result = run();

    const std::string line =
        "*** PickupItem without TrItemRData skipped (character " + position + ").";
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(utf8(result.problems[0]), line);
    // Phase 1's problem lines stand between the count line and the heading.
    EXPECT_NE(protocol().find(" pickups found in tdb file.\r\n" + line +
                              "\r\nLook up for pickups in tdb file\r\n"),
              std::string::npos)
        << protocol();
    EXPECT_EQ(worldFiles(), (std::vector<std::string>{"", "w+000001+000002.w"}));
    EXPECT_NE(protocol().find("World file w+000001+000002.w not found!"), std::string::npos)
        << "the run goes on with the next phase";
}

TEST_F(TdbPickupCatalogueRun, SkippedPickupItemLineInGerman) {
    useGerman();
    const std::string text = "PickupItem ( TrItemId ( 3 ) )";
    writeTdb(text);
    RunResult result = run();
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(utf8(result.problems[0]),
              "*** PickupItem ohne TrItemRData übersprungen (Zeichen 1).");
    EXPECT_NE(protocol().find("\r\n*** PickupItem ohne TrItemRData übersprungen (Zeichen 1).\r\n"
                              "Erfasse Pickups in tdb-Datei\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace veltrano::test
