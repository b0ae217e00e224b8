// Routes far larger than the demo: counts beyond any 16-bit limit, and a world file of 200 MB
// that must be read in blocks, never whole.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/TextCodec.h"
#include "tests/faults/CliRouteFixture.h"

namespace veltrano::test {
namespace {

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

using LargeRoute = CliRouteFixture;

TEST_F(LargeRoute, FortyThousandPickups) {
    RouteShape shape;
    shape.pickups = 40000;
    shape.pickupsPerTile = 100;
    writeRoute(shape);
    rememberOutside();

    const CliResult result = runOnRoute();

    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("\n40000 pickups found in tdb file.\n"), std::string::npos);
    // Numbers past 32767 are counted on, not wrapped.
    EXPECT_NE(result.out.find("\n40000.         Fuel-water found in "), std::string::npos);
    EXPECT_NE(result.out.find("\n32768. "), std::string::npos);
    EXPECT_EQ(count(result.out, " changed to PickupTrItemData ( "), 40000u);
    const std::string tdb =
        TextCodec::toUtf8(TextCodec::decodeWholeFile(sandbox.readBytes("route/FAULTROUTE.tdb")));
    EXPECT_EQ(count(tdb, "PickupTrItemData ( 0 00000000 )"), 0u);
    EXPECT_NE(tdb.find("PickupTrItemData ( 40000000 00000280 )"), std::string::npos);
    expectOutsideUnchanged();
}

}  // namespace
}  // namespace veltrano::test
