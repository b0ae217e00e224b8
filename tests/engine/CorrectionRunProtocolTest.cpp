// The whole protocol of runs that find pickups, written out line by line from the top, in
// both languages: phase 1's count, phase 2's found, missing and compressed lines, phase 3's
// change lines or its "nothing to do" line, and the status line's progress.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/RunFixture.h"

namespace veltrano::test {
namespace {

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

std::vector<std::string> utf8Lines(const std::vector<std::u16string>& lines) {
    std::vector<std::string> result;
    for (const auto& line : lines) {
        result.push_back(utf8(line));
    }
    return result;
}

using CorrectionRunProtocol = RunFixture;

TEST_F(CorrectionRunProtocol, EnglishRunWithFoundMissingAndCompressedWorldFiles) {
    const std::string records = trackRecord("17", "-5678", "14567") +
                                trackRecord("18", "-5678", "14567") + trackRecord("30", "1", "2") +
                                trackRecord("40", "3", "-4");
    writeTrackFiles(records);
    writeWorld("w-005678+014567.w",
               worldFile(pickupObject("5", "20000", "17", "Position ( 10.5 20 -30.25 )") +
                         pickupObject("2", "500", "18")));
    writeWorld("w+000003-000004.w", std::string("SIMISA@F\x01\x02\x03\x04zipped", 18));

    RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::Completed);
    const std::string a = "w-005678+014567.w";
    EXPECT_EQ(protocol(),
              joinLines({
                  equalsLine(),
                  endLine(false),
                  "",
                  "ready!",
                  "",
                  "    2.       Freight-coal in " + a +
                      " with PickupTrItemData ( 0 00000000 ) changed to PickupTrItemData ( 500 "
                      "00000100 )",
                  "    1.         Fuel-water in " + a +
                      " with PickupTrItemData ( 0 00000000 ) changed to PickupTrItemData ( 20000 "
                      "00000280 )",
                  "",
                  "Change pickups in tdb and tit files:",
                  "",
                  hyphenLine(),
                  "",
                  " World file w+000003-000004.w is compressed, therefore not readable!",
                  "World file w+000001+000002.w not found!",
                  "    2.       Freight-coal found in " + a + " at Position ( 1 2 3 )",
                  "    1.         Fuel-water found in " + a + " at Position ( 10.5 20 -30.25 )",
                  "",
                  "Look up for pickups in world files:",
                  "",
                  hyphenLine(),
                  "",
                  "4 pickups found in tdb file.",
                  "Look up for pickups in tdb file",
                  "",
                  startLine(),
                  equalsLine(),
                  "",
              }));
    EXPECT_EQ(utf8Lines(host.statusLines),
              (std::vector<std::string>{
                  "Look up for pickups in tdb file",
                  "Open world file " + a + " and look up for pickup entries. 33.33% looked up",
                  "Duration: 0.00 s"}));

    const std::string expectedTrackText =
        trackFile(trackRecord("17", "-5678", "14567", "PickupTrItemData ( 20000 00000280 )") +
                  trackRecord("18", "-5678", "14567", "PickupTrItemData ( 500 00000100 )") +
                  trackRecord("30", "1", "2") + trackRecord("40", "3", "-4"));
    EXPECT_EQ(tdbText(), expectedTrackText);
    EXPECT_EQ(titText(), expectedTrackText);
}

TEST_F(CorrectionRunProtocol, GermanRunWithFoundMissingAndCompressedWorldFiles) {
    useGerman();
    state.gvarFuellstand = 1;  // "  0% mit Anzeige"
    writeTrackFiles(trackRecord("5", "0", "0") + trackRecord("6", "-1", "-1") +
                    trackRecord("7", "5", "5") + trackRecord("8", "6", "6"));
    writeWorld("w+000000+000000.w", worldFile(pickupObject("6", "5000", "5")));
    writeWorld("w-000001-000001.w",
               worldFile(pickupObject("7", "3000", "99", "Position ( 4 5 6 )")));
    writeWorld("w+000006+000006.w", "");

    run();

    EXPECT_EQ(protocol(),
              joinLines({
                  equalsLine(),
                  endLine(true),
                  "",
                  "fertig!",
                  "",
                  "    1.  Treibstoff - Kohle in w+000000+000000.w mit PickupTrItemData ( 0 "
                  "00000000 ) geändert in PickupTrItemData ( 5000 00001300 )",
                  "",
                  "Ändere Pickups in tdb and tit Dateien:",
                  "",
                  hyphenLine(),
                  "",
                  " Worlddatei w+000006+000006.w ist kommprimiert, daher nicht lesbar!",
                  "World-Datei w+000005+000005.w nicht gefunden!",
                  "    2. Treibstoff - Diesel gefunden in w-000001-000001.w an Position ( 4 5 6 )",
                  "    1.  Treibstoff - Kohle gefunden in w+000000+000000.w an Position ( 1 2 3 )",
                  "",
                  "Suche in World Dateien nach Pickups",
                  "",
                  hyphenLine(),
                  "",
                  "4 Pickups in in tdb-Datei gefunden.",
                  "Erfasse Pickups in tdb-Datei",
                  "",
                  startLine(),
                  equalsLine(),
                  "",
              }));
    EXPECT_EQ(utf8Lines(host.statusLines),
              (std::vector<std::string>{
                  "Erfasse Pickups in tdb-Datei",
                  "Öffne World-Datei w+000000+000000.w und suche nach Pickup-Einträgen. 25.% "
                  "durchsucht",
                  "Öffne World-Datei w-000001-000001.w und suche nach Pickup-Einträgen. 50.% "
                  "durchsucht",
                  "Dauer: 0.00 s"}));
}

TEST_F(CorrectionRunProtocol, EnglishRunWithNothingToChange) {
    writeTrackFiles(trackRecord("17", "2", "3", "PickupTrItemData ( 20000 00000280 )"));
    writeWorld("w+000002+000003.w", worldFile(pickupObject("5", "20000", "17")));

    run();

    EXPECT_EQ(protocol(), joinLines({
                              equalsLine(),
                              endLine(false),
                              "",
                              "ready!",
                              "",
                              " No need to make any change.",
                              "",
                              "Change pickups in tdb and tit files:",
                              "",
                              hyphenLine(),
                              "",
                              "    1.         Fuel-water found in w+000002+000003.w at Position "
                              "( 1 2 3 )",
                              "",
                              "Look up for pickups in world files:",
                              "",
                              hyphenLine(),
                              "",
                              "1 pickups found in tdb file.",
                              "Look up for pickups in tdb file",
                              "",
                              startLine(),
                              equalsLine(),
                              "",
                          }));
}

TEST_F(CorrectionRunProtocol, GermanRunWhoseWorldFileHoldsNoPickupStillRunsPhaseThree) {
    useGerman();
    writeTrackFiles(trackRecord("17", "2", "3"));
    writeWorld("w+000002+000003.w", worldFile(worldObject("Static", {"Position ( 1 2 3 )"})));
    const std::string tdbBefore = route.readBytes(kRouteId + ".tdb");

    run();

    EXPECT_EQ(protocol(), joinLines({
                              equalsLine(),
                              endLine(true),
                              "",
                              "fertig!",
                              "",
                              " Es wurden keine Änderungen vorgenommen.",
                              "",
                              "Ändere Pickups in tdb and tit Dateien:",
                              "",
                              hyphenLine(),
                              "",
                              "",
                              "Suche in World Dateien nach Pickups",
                              "",
                              hyphenLine(),
                              "",
                              "1 Pickups in in tdb-Datei gefunden.",
                              "Erfasse Pickups in tdb-Datei",
                              "",
                              startLine(),
                              equalsLine(),
                              "",
                          }));
    EXPECT_EQ(route.readBytes(kRouteId + ".tdb"), tdbBefore);
}

TEST_F(CorrectionRunProtocol, ProgressCountsEveryListedWorldFile) {
    // Three tiles, the second without a world file: the third file still shows 100 percent.
    writeTrackFiles(trackRecord("1", "1", "1") + trackRecord("2", "2", "2") +
                    trackRecord("3", "3", "3"));
    writeWorld("w+000001+000001.w", worldFile(""));
    writeWorld("w+000003+000003.w", worldFile(""));
    clock.separator = ',';

    run();

    ASSERT_EQ(host.statusLines.size(), 4u);
    EXPECT_EQ(utf8(host.statusLines[1]),
              "Open world file w+000001+000001.w and look up for pickup entries. 33,33% looked up");
    EXPECT_EQ(utf8(host.statusLines[2]),
              "Open world file w+000003+000003.w and look up for pickup entries. 100,% looked up");
}

TEST_F(CorrectionRunProtocol, ChangeLineNumbersAreRightAlignedInFiveCharacters) {
    std::string records;
    std::string objects;
    for (int id = 1; id <= 7; ++id) {
        records += trackRecord(std::to_string(id), "0", "0");
        objects += pickupObject("8", "1", std::to_string(id));
    }
    writeTrackFiles(records);
    writeWorld("w+000000+000000.w", worldFile(objects));

    run();

    EXPECT_NE(protocol().find("\r\n    7. Special train mail in w+000000+000000.w with "
                              "PickupTrItemData ( 0 00000000 ) changed to PickupTrItemData ( 1 "
                              "00000400 )\r\n"),
              std::string::npos);
    EXPECT_NE(protocol().find("\r\n    7. Special train mail found in w+000000+000000.w at "
                              "Position ( 1 2 3 )\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace veltrano::test
