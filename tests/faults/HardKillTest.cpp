// veltrano-cli killed with SIGKILL at random moments of runs on a mid-size route: after every
// kill each track file is whole, old or new, and a replaced one has its complete backup; a
// later run clears what the killed one left and completes.

#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "tests/faults/CliRunner.h"
#include "tests/faults/GeneratedRoute.h"
#include "tests/faults/RouteInvariant.h"
#include "tests/support/TempRoute.h"

namespace fs = std::filesystem;

namespace veltrano::test {
namespace {

constexpr int kKills = 200;
const std::string kBackupFolder = "_Saved_tdb_und_tit_files_before_pickup_correction";

// A few MB of track database with a few hundred pickups in fifty world files.
RouteShape midSizeShape() {
    RouteShape shape;
    shape.pickups = 300;
    shape.pickupsPerTile = 6;
    shape.fillerItemsPerPickup = 25;
    shape.fillerObjectsPerWorldFile = 40;
    return shape;
}

std::uint64_t seed() {
    const char* given = std::getenv("VELTRANO_KILL_SEED");
    return given != nullptr ? std::strtoull(given, nullptr, 10) : 20261204u;
}

bool hasTemporaryFile(const std::string& folder) {
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (isTemporaryName(entry.path().filename().string())) {
            return true;
        }
    }
    return false;
}

// Backups of earlier runs, each a complete copy checked after its run, would only make every
// later check read more.
void removeBackups(const std::string& folder) {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder + "/" + kBackupFolder, ignored)) {
        if (!isTemporaryName(entry.path().filename().string())) {
            fs::remove(entry.path(), ignored);
        }
    }
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(HardKill, KilledRunsNeverLeaveAHalfWrittenTrackFile) {
    TempRoute sandbox;
    const std::string route = sandbox.pathOf("route");
    const GeneratedRoute generated(midSizeShape());
    generated.writeTo(route);
    const std::string oldTit = generated.titBytes();
    const std::string oldTdb = generated.tdbBytes();
    CliRunner cli;
    CliStart start;
    start.arguments = {route};

    // The bytes an undisturbed run writes, and how long a run takes (the median of five).
    std::string newTit;
    std::string newTdb;
    std::vector<double> durations;
    for (int i = 0; i < 5; ++i) {
        sandbox.writeBytes("route/FAULTROUTE.tit", oldTit);
        sandbox.writeBytes("route/FAULTROUTE.tdb", oldTdb);
        const auto began = std::chrono::steady_clock::now();
        const CliResult result = cli.run(start);
        durations.push_back(secondsSince(began));
        ASSERT_EQ(result.exitStatus, 0) << result.err;
        newTit = sandbox.readBytes("route/FAULTROUTE.tit");
        newTdb = sandbox.readBytes("route/FAULTROUTE.tdb");
        removeBackups(route);
    }
    ASSERT_NE(newTdb, oldTdb);
    std::sort(durations.begin(), durations.end());
    const double duration = durations[durations.size() / 2];
    std::cout << "[ kills    ] track database " << oldTdb.size() << " bytes, "
              << generated.shape().pickups << " pickups; a run takes " << duration << " s; seed "
              << seed() << "\n";

    std::mt19937_64 random(seed());
    int kills = 0;
    int finishedFirst = 0;
    int bothOld = 0;
    int onlyTitNew = 0;
    int bothNew = 0;
    int withTemporaryFile = 0;
    for (int attempt = 0; kills < kKills && attempt < 5 * kKills; ++attempt) {
        // Every run starts from the route as it was, keeping what earlier kills left.
        sandbox.writeBytes("route/FAULTROUTE.tit", oldTit);
        sandbox.writeBytes("route/FAULTROUTE.tdb", oldTdb);
        const RouteInvariant invariant(route, "FAULTROUTE", newTit, newTdb);
        const auto delay = std::chrono::duration<double>(
            std::uniform_real_distribution<double>(0.0, duration)(random));

        const pid_t process = cli.launch(start);
        std::this_thread::sleep_for(delay);
        ::kill(process, SIGKILL);
        const CliResult result = cli.finish(process);

        if (result.signal != SIGKILL) {
            ++finishedFirst;
            EXPECT_EQ(result.exitStatus, 0) << result.err;
            EXPECT_EQ(describe(invariant.violations()), "");
            removeBackups(route);
            continue;
        }
        ++kills;
        EXPECT_EQ(describe(invariant.violations(true)), "")
            << "kill " << kills << " after " << delay.count() << " s";
        bothOld += invariant.titIsOld() && invariant.tdbIsOld();
        onlyTitNew += invariant.titIsNew() && invariant.tdbIsOld();
        bothNew += invariant.titIsNew() && invariant.tdbIsNew();
        withTemporaryFile += hasTemporaryFile(route);
        removeBackups(route);
    }
    std::cout << "[ kills    ] " << kills << " kills: " << bothOld << " left both files old, "
              << onlyTitNew << " the .tit new and the .tdb old, " << bothNew << " both new; "
              << withTemporaryFile << " left a temporary file; " << finishedFirst
              << " runs ended before their kill\n";
    EXPECT_EQ(kills, kKills);
    EXPECT_GT(onlyTitNew + bothNew, 0) << "no kill came after a file was replaced";

    // A normal run on the folder as the last kill left it clears the left-overs and completes.
    const RouteInvariant invariant(route, "FAULTROUTE", newTit, newTdb);
    const CliResult last = cli.run(start);
    EXPECT_EQ(last.exitStatus, 0) << last.err;
    EXPECT_EQ(describe(invariant.violations()), "");
    EXPECT_TRUE(invariant.titIsNew() && invariant.tdbIsNew());
    EXPECT_FALSE(hasTemporaryFile(route));
    ::testing::Test::RecordProperty("kills", kills);
}

}  // namespace
}  // namespace veltrano::test
