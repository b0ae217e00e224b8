// The route folder check: which folders pass, what the user is told, the RouteID it reads.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "engine/RunState.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "tests/support/RecordingProgramControl.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

const std::string kEnglishNotice =
    "This program will change the *.tdb and the *.tit files of the route.\r\n\r\n"
    "So backup the route before!\r\n\r\n"
    "World files of the route should be uncompressed.\r\n\r\n"
    "No liability for potential damages will be assumed!\r\n";
const std::string kGermanNotice =
    "Dieses Programm wird die *.tdb und die *.tit Dateien der Strecke ändern.\r\n\r\n"
    "Machen sie daher zuerst eine Sicherheitskopie der Strecke!\r\n\r\n"
    "Die Worlddateien der Strecke sollten unkomprimiert sein.\r\n\r\n"
    "Es wird keine Haftung für Schäden durch dieses Programm übernommen!\r\n";

class RouteFolderCheckTest : public ::testing::Test {
  protected:
    RouteFolderCheckTest() {
        state.gstrRoutePath = route.path();
        state.gstrRouteName = u"PREVIOUS";
    }

    void writeTrk(const std::string& routeIdLine) const {
        route.writeBytes("Route.trk", "SIMISA@@@@@@@@@@JINX0r1t______\r\n\r\nTr_RouteFile (\r\n\t" +
                                          routeIdLine + "\r\n\tName ( \"Test\" )\r\n)\r\n");
    }
    bool check(bool showNotice) { return checker.subCheckRouteFolder(showNotice); }
    std::string message() const {
        EXPECT_EQ(program.messages.size(), 1u);
        return program.messages.empty() ? "" : TextCodec::toUtf8(program.messages.back());
    }
    std::string routeName() const { return TextCodec::toUtf8(state.gstrRouteName); }
    void expectEndedUnusable() const {
        EXPECT_TRUE(program.ended);
        EXPECT_EQ(program.endStatus, 2);
        EXPECT_EQ(routeName(), "PREVIOUS") << "the RouteID keeps its old value";
    }

    TempRoute route;
    RunState state;
    FileSystem fileSystem;
    FolderListing listing{fileSystem};
    RecordingProgramControl program;
    RouteFolderCheck checker{state, listing, fileSystem, program};
};

TEST_F(RouteFolderCheckTest, PassesWithAnyLetterCaseAndShowsTheEnglishNotice) {
    writeTrk("RouteID ( ABC )");
    std::filesystem::rename(route.pathOf("Route.trk"), route.pathOf("Route.TRK"));
    route.writeBytes("abc.Tit", "");
    route.writeBytes("abc.tDB", "");
    route.makeFolder("World");

    EXPECT_TRUE(check(true));
    EXPECT_EQ(message(), kEnglishNotice);
    EXPECT_FALSE(program.ended);
    EXPECT_EQ(routeName(), "ABC");
}

TEST_F(RouteFolderCheckTest, GermanNoticeAndSilentPass) {
    route.makeUsableRoute("ABC");
    state.gstrLanguage = "deutsch";
    EXPECT_TRUE(check(true));
    EXPECT_EQ(message(), kGermanNotice);

    program.messages.clear();
    EXPECT_TRUE(check(false));
    EXPECT_TRUE(program.messages.empty());
    EXPECT_FALSE(program.ended);
}

TEST_F(RouteFolderCheckTest, EntriesCountWhetherFileOrFolder) {
    writeTrk("RouteID ( ABC )");
    route.makeFolder("data.tdb");
    route.writeBytes("abc.tit", "");
    route.writeBytes("world", "a plain file named like the world folder");
    EXPECT_TRUE(check(false));
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(RouteFolderCheckTest, TwoTrackDatabasesAndNoWorldInGermanWithTheNotice) {
    state.gstrLanguage = "deutsch";
    writeTrk("RouteID ( ABC )");
    route.writeBytes("abc.tit", "");
    route.writeBytes("abc.tdb", "");
    route.writeBytes("copy.tdb", "");

    EXPECT_FALSE(check(true));
    EXPECT_EQ(message(),
              "Kopieren Sie dieses Programm direkt in das Verzeichnis der Strecke in welcher die "
              "Pickups geändert weren sollen!\r\n\r\n"
              "Probleme mit den Dateien der Strecke:\r\n\r\n"
              "- mehr als eine *.tdb gefunden\r\n"
              "- WORLD Verzeichnis nicht gefunden\r\n"
              "\r\nDas Program wird beendet!\r\n\r\n");
    expectEndedUnusable();
}

TEST_F(RouteFolderCheckTest, SameFolderAtTheStartOfARunLeavesOutTheCopyHint) {
    state.gstrLanguage = "deutsch";
    writeTrk("RouteID ( ABC )");
    route.writeBytes("abc.tit", "");
    route.writeBytes("abc.tdb", "");
    route.writeBytes("copy.tdb", "");

    EXPECT_FALSE(check(false));
    EXPECT_EQ(message(),
              "Probleme mit den Dateien der Strecke:\r\n\r\n"
              "- mehr als eine *.tdb gefunden\r\n"
              "- WORLD Verzeichnis nicht gefunden\r\n"
              "\r\nDas Program wird beendet!\r\n\r\n");
    expectEndedUnusable();
}

TEST_F(RouteFolderCheckTest, SubfolderEndingInTitCountsAsASecondTrackItemTable) {
    route.makeUsableRoute("ABC");
    route.makeFolder("extra.tit");
    EXPECT_FALSE(check(false));
    EXPECT_EQ(message(),
              "Some trouble with the files of the route:\r\n\r\n"
              "- more than one *.tit found\r\n"
              "\r\nProgram will be cancelled now!\r\n\r\n");
    expectEndedUnusable();
}

TEST_F(RouteFolderCheckTest, MissingFolderListsEveryMissingEntry) {
    state.gstrRoutePath = route.pathOf("no-such-folder");
    EXPECT_FALSE(check(true));
    EXPECT_EQ(message(),
              "Copy this program to the route directory where the PickUps should be corrected!"
              "\r\n\r\n"
              "Some trouble with the files of the route:\r\n\r\n"
              "- *.trk is missed\r\n"
              "- *.tit is missed\r\n"
              "- *.tdb is missed\r\n"
              "- WORLD directory is missed\r\n"
              "\r\nProgram will be cancelled now!\r\n\r\n");
    expectEndedUnusable();
}

TEST_F(RouteFolderCheckTest, ProblemLinesStandInTheirFixedOrder) {
    route.writeBytes("a.trk", "RouteID ( A )");
    route.writeBytes("b.trk", "RouteID ( B )");
    route.makeFolder("WORLD");
    route.makeFolder("world2");
    route.writeBytes("x.tdb", "");
    EXPECT_FALSE(check(false));
    EXPECT_EQ(message(),
              "Some trouble with the files of the route:\r\n\r\n"
              "- more than one *.trk found\r\n"
              "- *.tit is missed\r\n"
              "\r\nProgram will be cancelled now!\r\n\r\n");
}

TEST_F(RouteFolderCheckTest, RouteIdKeepsInnerBlanksAndIsFoundInAnyLetterCase) {
    route.makeUsableRoute("X");
    writeTrk("routeid ( Alps 2 )");
    EXPECT_TRUE(check(false));
    EXPECT_EQ(routeName(), "Alps 2");

    writeTrk("RouteID (\tAlps\" )\r\n\tRouteID ( Second )");
    EXPECT_TRUE(check(false));
    EXPECT_EQ(routeName(), "\tAlps\"") << "only blanks are trimmed; the first RouteID counts";
}

TEST_F(RouteFolderCheckTest, RouteIdThatCouldLeadOutOfTheFolderMakesItUnusable) {
    route.makeUsableRoute("X");
    for (const char* id : {"RouteID ( )", "RouteID ( ../x )", "RouteID ( a/b )", "RouteID ( a\\b )",
                           "RouteID ( .. )", "RouteID ( . )"}) {
        writeTrk(id);
        program.messages.clear();
        program.ended = false;
        EXPECT_FALSE(check(false)) << id;
        EXPECT_EQ(program.messages.size(), 1u) << id;
        expectEndedUnusable();
    }
}

}  // namespace
}  // namespace veltrano::test
