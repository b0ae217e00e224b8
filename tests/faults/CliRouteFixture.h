#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/faults/CliRunner.h"
#include "tests/faults/GeneratedRoute.h"
#include "tests/faults/RouteInvariant.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {

// A sandbox holding the route folder "route" and a folder "outside" beside it, and the built
// veltrano-cli to run on the route. Whatever a test does, "outside" must stay as it was.
class CliRouteFixture : public ::testing::Test {
  protected:
    CliRouteFixture();

    void writeRoute(const RouteShape& shape = RouteShape{}) const;
    // veltrano-cli with `arguments` and the route folder last.
    CliResult runOnRoute(std::vector<std::string> arguments = {});
    // Takes the current state of "outside" as the one it must keep.
    void rememberOutside() { m_outsideBefore = snapshotTree(outside); }
    void expectOutsideUnchanged() const;
    std::vector<std::string> backups(const std::string& folder = kEnglishBackups) const;

    // The bytes an undisturbed run on the route as it is now writes, found on a copy.
    struct NewBytes {
        std::string tit;
        std::string tdb;
    };
    NewBytes newBytesOfARun(const std::string& routeId = "FAULTROUTE",
                            std::vector<std::string> arguments = {});

    static inline const std::string kEnglishBackups =
        "_Saved_tdb_und_tit_files_before_pickup_correction";

    TempRoute sandbox;
    const std::string route = sandbox.pathOf("route");
    const std::string outside = sandbox.pathOf("outside");
    CliRunner cli;

  private:
    std::map<std::string, std::string> m_outsideBefore;
};

// A start of veltrano-cli with `arguments` and nothing else changed.
CliStart started(std::vector<std::string> arguments);

// True when `text` is well-formed UTF-8.
bool isUtf8(const std::string& text);

}  // namespace veltrano::test
