// Runs that meet a track file they cannot read, and the dry run that must leave the disk alone.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/engine/RunFixture.h"

namespace veltrano::test {
namespace {

// Every file of the route folder with its bytes, and every folder, by relative path.
std::map<std::string, std::string> snapshot(const TempRoute& route) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(route.path())) {
        const std::string relative =
            std::filesystem::relative(entry.path(), route.path()).generic_string();
        entries[relative] = entry.is_directory() ? "<folder>" : route.readBytes(relative);
    }
    return entries;
}

std::string readyPrefix(bool german) {
    return equalsLine() + "\r\n" + endLine(german) + "\r\n\r\n" + (german ? "fertig!" : "ready!") +
           "\r\n\r\n";
}

using RunFailure = RunFixture;

TEST_F(RunFailure, MissingTrackDatabaseEndsTheRunInOrder) {
    // The check counts one .tdb, but the RouteID names another file.
    route.writeBytes("Route.trk", "Tr_RouteFile (\r\n\tRouteID ( OTHER )\r\n)\r\n");
    const auto before = snapshot(route);

    RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::FileError);
    ASSERT_EQ(result.problems.size(), 1u);
    const std::string line = utf8(result.problems[0]);
    const std::string start = "*** Cannot read file " + route.pathOf("OTHER.tdb") + ": ";
    EXPECT_EQ(line.rfind(start, 0), 0u) << line;
    EXPECT_GT(line.size(), start.size()) << "the cause is named";
    EXPECT_EQ(protocol().rfind(readyPrefix(false), 0), 0u) << protocol();
    EXPECT_NE(protocol().find("\r\n" + line + "\r\n"), std::string::npos);
    EXPECT_EQ(utf8(host.statusLines.back()), "Duration: 0.00 s");
    EXPECT_EQ(host.animationIntervals.back(), 0);
    EXPECT_EQ(host.busyPointer.back(), false);
    EXPECT_FALSE(state.gblnRunning);
    EXPECT_EQ(snapshot(route), before);
}

TEST_F(RunFailure, GermanReadFailureLine) {
    useGerman();
    route.writeBytes("Route.trk", "RouteID ( OTHER )");
    RunResult result = run();
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(
        utf8(result.problems[0])
            .rfind("*** Datei " + route.pathOf("OTHER.tdb") + " kann nicht gelesen werden: ", 0),
        0u);
    EXPECT_EQ(protocol().rfind(readyPrefix(true), 0), 0u);
}

TEST_F(RunFailure, TrackDatabaseWithoutPickupsNeverOpensTheTrackItemTable) {
    std::filesystem::rename(route.pathOf(kRouteId + ".tit"), route.pathOf("OTHER.tit"));
    RunResult result = run();
    EXPECT_EQ(result.outcome, RunOutcome::Completed);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_NE(protocol().find("\r\n0 pickups found in tdb file.\r\n"), std::string::npos);
}

TEST_F(RunFailure, MissingTrackItemTableIsAFileErrorOnceRecordsAreRewritten) {
    writeTrackFiles(trackRecord("17", "2", "3"));
    writeWorld("w+000002+000003.w", worldFile(pickupObject("5", "900", "17")));
    std::filesystem::rename(route.pathOf(kRouteId + ".tit"), route.pathOf("OTHER.tit"));
    const auto before = snapshot(route);

    RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::FileError);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(utf8(result.problems[0])
                  .rfind("*** Cannot read file " + route.pathOf("TESTROUTE.tit") + ": ", 0),
              0u);
    EXPECT_EQ(protocol().rfind(readyPrefix(false) + utf8(result.problems[0]) + "\r\n", 0), 0u)
        << protocol();
    EXPECT_EQ(snapshot(route), before);
}

class DryRun : public RunFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(DryRun, ProtocolIsTheRealOnePlusOneLineAndTheDiskStaysAsItWas) {
    const bool german = GetParam();
    if (german) {
        useGerman();
    }
    writeTrackFiles(trackRecord("17", "2", "3") + trackRecord("18", "4", "4"));
    writeWorld("w+000002+000003.w", worldFile(pickupObject("5", "900", "17")));
    const auto before = snapshot(route);

    RunResult dry = run(RunOptions{true});

    EXPECT_EQ(dry.outcome, RunOutcome::Completed);
    EXPECT_EQ(snapshot(route), before);
    const std::string dryProtocol = protocol();

    // The same route, really corrected, from an empty protocol.
    RunState realState;
    realState.gstrRoutePath = state.gstrRoutePath;
    realState.gstrLanguage = state.gstrLanguage;
    realState.gstrSaveFolder = state.gstrSaveFolder;
    FakeRunHost realHost(realState, fileSystem);
    CorrectionRun(realState, realHost, fileSystem, clock).run();
    const std::string real = utf8(realState.gstrProtokoll.text());
    ASSERT_NE(snapshot(route), before) << "the real run has something to change";

    const std::string prefix = readyPrefix(german);
    ASSERT_EQ(real.rfind(prefix, 0), 0u);
    const std::string line =
        german ? " Probelauf: es wurde keine Datei geändert." : " Dry run: no file was changed.";
    EXPECT_EQ(dryProtocol, prefix + line + "\r\n" + real.substr(prefix.size()));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, DryRun, ::testing::Bool());

}  // namespace
}  // namespace veltrano::test
