// Real faults of the operating system met by veltrano-cli itself: a file size limit that
// makes writes fail part way (as a full disk does), and folders it may not write to. The
// program ends with exit status 1 and its line; the route keeps its promise.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/faults/CliRouteFixture.h"

namespace fs = std::filesystem;

namespace veltrano::test {
namespace {

class RealFault : public CliRouteFixture {
  protected:
    void SetUp() override {
        RouteShape shape;
        shape.fillerItemsPerPickup = 3;
        // The .tdb is the larger file by far, so a size limit can stop it alone.
        shape.fillerItemsInTdbOnly = 60;
        writeRoute(shape);
        expected = newBytesOfARun();
        rememberOutside();
        invariant =
            std::make_unique<RouteInvariant>(route, "FAULTROUTE", expected.tit, expected.tdb);
    }

    CliResult runLimited(long long fileSizeLimit) {
        CliStart start = started({route});
        start.fileSizeLimit = fileSizeLimit;
        return cli.run(start);
    }

    // Runs as a user whom permission bits stop; false when this machine cannot start one.
    bool runUnprivileged(CliResult& result) {
        // The build folder may be private to its owner: nobody starts a copy of the program.
        fs::permissions(programFolder.path(), fs::perms(0755));
        const std::string program = programFolder.pathOf("veltrano-cli");
        fs::copy_file(VELTRANO_CLI_PATH, program, fs::copy_options::overwrite_existing);
        fs::permissions(program, fs::perms(0755));
        CliStart start = started({route});
        start.unprivileged = true;
        start.program = program;
        result = cli.run(start);
        return result.exitStatus != 126;
    }

    NewBytes expected;
    std::unique_ptr<RouteInvariant> invariant;
    TempRoute programFolder;
};

TEST_F(RealFault, FileSizeLimitStopsTheFirstBackup) {
    const CliResult result = runLimited(1000);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err,
              "*** Backup of " + route +
                  "/FAULTROUTE.tit failed: File too large. The file is left unchanged.\n");
    // The protocol on stdout still ends in order after the line.
    EXPECT_NE(result.out.find("\n*** Backup of " + route +
                              "/FAULTROUTE.tit failed: File too large. The file is left "
                              "unchanged.\n\nready!\n\n--- END "),
              std::string::npos)
        << result.out;
    EXPECT_EQ(describe(invariant->violations()), "");
    EXPECT_TRUE(invariant->titIsOld() && invariant->tdbIsOld());
    expectOutsideUnchanged();
}

TEST_F(RealFault, TrackDatabaseTooLargeToBackUpPutsTheItemTableBack) {
    const auto limit =
        static_cast<long long>(std::max(expected.tit.size(), invariant->oldTit().size()));
    ASSERT_LT(limit, static_cast<long long>(invariant->oldTdb().size()));

    const CliResult result = runLimited(limit);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err,
              "*** Backup of " + route +
                  "/FAULTROUTE.tdb failed: File too large. The file is left unchanged.\n"
                  "*** " +
                  route + "/FAULTROUTE.tit was restored from its backup.\n");
    EXPECT_EQ(describe(invariant->violations()), "");
    EXPECT_TRUE(invariant->titIsOld() && invariant->tdbIsOld());
    // The .tit had been replaced: its complete backup stays.
    EXPECT_EQ(backups().size(), 1u);
    expectOutsideUnchanged();

    // Without the limit the same route is corrected in full.
    const CliResult next = runOnRoute();
    EXPECT_EQ(next.exitStatus, 0) << next.err;
    EXPECT_TRUE(invariant->titIsNew() && invariant->tdbIsNew());
    EXPECT_EQ(describe(invariant->violations()), "");
}

TEST_F(RealFault, ReadOnlyRouteFolder) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to start the program as the unprivileged user nobody";
    }
    // Readable by everyone, writable by its owner root only.
    fs::permissions(route, fs::perms(0755));
    CliResult result;
    if (!runUnprivileged(result)) {
        GTEST_SKIP() << "this machine cannot start a program as nobody";
    }
    EXPECT_EQ(result.exitStatus, 1) << result.err;
    EXPECT_EQ(result.err, "*** Backup of " + route +
                              "/FAULTROUTE.tit failed: Permission denied. The file is left "
                              "unchanged.\n");
    EXPECT_EQ(describe(invariant->violations()), "");
    EXPECT_TRUE(invariant->titIsOld() && invariant->tdbIsOld());
    expectOutsideUnchanged();
}

TEST_F(RealFault, ReadOnlyRouteFolderWithAWritableBackupFolder) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to start the program as the unprivileged user nobody";
    }
    // The backups can be made, but no new track file can be put in the route folder.
    fs::permissions(route, fs::perms(0755));
    fs::create_directory(route + "/" + kEnglishBackups);
    fs::permissions(route + "/" + kEnglishBackups, fs::perms::all);
    invariant = std::make_unique<RouteInvariant>(route, "FAULTROUTE", expected.tit, expected.tdb);
    CliResult result;
    if (!runUnprivileged(result)) {
        GTEST_SKIP() << "this machine cannot start a program as nobody";
    }
    EXPECT_EQ(result.exitStatus, 1) << result.err;
    EXPECT_EQ(result.err, "*** Cannot write file " + route +
                              "/FAULTROUTE.tit: Permission denied. The file is left unchanged.\n");
    EXPECT_EQ(describe(invariant->violations()), "");
    EXPECT_TRUE(invariant->titIsOld() && invariant->tdbIsOld());
    EXPECT_EQ(backups().size(), 1u);
    expectOutsideUnchanged();
}

}  // namespace
}  // namespace veltrano::test
