// The start-up's demand for at least one world file whose name ends in ".w".

#include <gtest/gtest.h>

#include <string>

#include "app/FolderListing.h"
#include "app/WorldFileTest.h"
#include "engine/RunState.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "tests/support/RecordingProgramControl.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

const char* kEnglishMessage =
    "Can't find any .w file in WORLD directory! Program will be cancelled!";
const char* kGermanMessage =
    "Keine .w-Dateien im WORLD Verzeichnis zu finden! Das Programm wird beendet!";

class WorldFileTestTest : public ::testing::Test {
  protected:
    WorldFileTestTest() { state.gstrRoutePath = route.path(); }

    bool passes() { return WorldFileTest(state, listing, fileSystem, program).passes(); }
    void expectRejected(const char* message) const {
        ASSERT_EQ(program.messages.size(), 1u);
        EXPECT_EQ(TextCodec::toUtf8(program.messages[0]), message);
        EXPECT_TRUE(program.ended);
        EXPECT_EQ(program.endStatus, 2);
    }

    TempRoute route;
    RunState state;
    FileSystem fileSystem;
    FolderListing listing{fileSystem};
    RecordingProgramControl program;
};

TEST_F(WorldFileTestTest, MissingWorldFolderEndsTheProgram) {
    EXPECT_FALSE(passes());
    expectRejected(kEnglishMessage);
}

TEST_F(WorldFileTestTest, UpperCaseExtensionsDoNotCount) {
    route.writeBytes("WORLD/w+000001+000001.W", "");
    route.writeBytes("WORLD/w+000002+000001.W", "");
    EXPECT_FALSE(passes());
    expectRejected(kEnglishMessage);
}

TEST_F(WorldFileTestTest, OnlyOtherFilesEndTheProgramInGerman) {
    state.gstrLanguage = "deutsch";
    route.writeBytes("WORLD/w+000001+000001.ws", "");
    route.writeBytes("WORLD/w+000001+000001.w.bak", "");
    route.makeFolder("WORLD/sub.w");
    EXPECT_FALSE(passes());
    expectRejected(kGermanMessage);
}

TEST_F(WorldFileTestTest, WorldFolderUnderAnotherLetterCaseIsFound) {
    route.writeBytes("world/w+000001+000001.w", "");
    EXPECT_TRUE(passes());
    EXPECT_FALSE(program.ended);
}

TEST_F(WorldFileTestTest, OneWorldFilePassesSilently) {
    route.writeBytes("WORLD/readme.txt", "");
    route.writeBytes("WORLD/w-000001+000002.w", "");
    EXPECT_TRUE(passes());
    EXPECT_TRUE(program.messages.empty());
    EXPECT_FALSE(program.ended);
}

}  // namespace
}  // namespace veltrano::test
