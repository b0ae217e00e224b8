// A world file of 200 MB: read in blocks, so the program's memory stays far below the file's
// size, and the pickups at its very end are found.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/faults/CliRouteFixture.h"

namespace veltrano::test {
namespace {

constexpr long long kWorldFileBytes = 200LL * 1024 * 1024;

using HugeWorldFile = CliRouteFixture;

TEST_F(HugeWorldFile, TwoHundredMegabytesAreScannedInBlocks) {
    RouteShape shape;
    shape.pickups = 2;
    writeRoute(shape);
    const GeneratedRoute generated(shape);
    const std::string name = generated.worldFileNameOf(1);
    const std::string plain = generated.worldFiles().front().second;
    // Scenery in front of the file's own objects until it is 200 MB long.
    const std::string head = "SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n";
    const std::string object =
        "\tStatic (\r\n\t\tUiD ( 77 )\r\n\t\tFileName ( Wald_Kiefern.s )\r\n"
        "\t\tPosition ( -120.0 6.8 -80.5 )\r\n\t\tQDirection ( 0 0 0 1 )\r\n\t)\r\n";
    {
        std::ofstream out(route + "/WORLD/" + name, std::ios::binary | std::ios::trunc);
        out << head;
        std::string block;
        while (block.size() < 1024 * 1024) {
            block += object;
        }
        long long written = static_cast<long long>(head.size());
        while (written + static_cast<long long>(plain.size()) < kWorldFileBytes) {
            out << block;
            written += static_cast<long long>(block.size());
        }
        out << plain.substr(head.size());
        ASSERT_TRUE(out.good());
    }
    rememberOutside();

    const CliResult result = runOnRoute();

    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("    2.        Fuel-diesel found in " + name), std::string::npos)
        << result.out.substr(0, 2000);
    EXPECT_NE(result.out.find(" changed to PickupTrItemData ( 2000 "), std::string::npos);
    // Reading the file whole would take more than its 200 MB.
    EXPECT_LT(result.maxResidentKb, 100 * 1024);
    std::cout << "[ memory   ] peak " << result.maxResidentKb / 1024 << " MB for a "
              << kWorldFileBytes / (1024 * 1024) << " MB world file\n";
    expectOutsideUnchanged();
}

}  // namespace
}  // namespace veltrano::test
