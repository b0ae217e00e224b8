// A whole run on Windows over a route whose every name has another letter case than the one
// the run asks for. Built only for Windows (tests/CMakeLists.txt).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/engine/RunFixture.h"

namespace veltrano::test {
namespace {

using WindowsRoute = RunFixture;

TEST_F(WindowsRoute, NamesInAnotherLetterCaseAreFoundAndKept) {
    std::filesystem::remove_all(route.pathOf("WORLD"));
    std::filesystem::remove(route.pathOf(kRouteId + ".tdb"));
    std::filesystem::remove(route.pathOf(kRouteId + ".tit"));
    route.writeUtf16("testroute.TDB", trackFile(trackRecord("17", "2", "3")));
    route.writeUtf16("TestRoute.tit", trackFile(trackRecord("17", "2", "3")));
    route.writeBytes("world/W+000002+000003.W", worldFile(pickupObject("5", "20000", "17")));

    const RunResult result = run();

    EXPECT_EQ(result.outcome, RunOutcome::Completed) << protocol();
    const std::string repaired =
        trackFile(trackRecord("17", "2", "3", "PickupTrItemData ( 20000 00000280 )"));
    EXPECT_EQ(route.readUtf16("testroute.TDB"), repaired);
    EXPECT_EQ(route.readUtf16("TestRoute.tit"), repaired);
    // Replaced under the names they had, so no second file appeared beside them.
    EXPECT_EQ(route.list(),
              (std::vector<std::string>{"Route.trk", "TestRoute.tit", utf8(kEnglishSaveFolder),
                                        "testroute.TDB", "world"}));
    EXPECT_EQ(route.list("world"), std::vector<std::string>{"W+000002+000003.W"});
}

}  // namespace
}  // namespace veltrano::test
