#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bench/RouteGenerator.h"
#include "tests/reference/ReferenceState.h"
#include "tests/reference/RouteSnapshot.h"

namespace veltrano::reference {

// What one run left behind: its protocol, whether a file error ended it, and the folder.
struct RunRecord {
    std::u16string protocol;
    bool fileError = false;
    bool routeFolderUnusable = false;
    RouteSnapshot route;
};

// One input of the comparison between the engine and the reference: a route folder and the
// run's settings, made from a seed. Half of the cases are generated routes, spoilt or not;
// the other half are built from records and objects chosen to confuse a search.
class DifferentialCase {
  public:
    static DifferentialCase make(std::uint64_t seed);

    // One run on a fresh copy of the route in `folder` (emptied first), with a fixed clock.
    RunRecord runEngine(const std::string& folder) const;
    RunRecord runReference(const std::string& folder) const;

    std::uint64_t seed = 0;
    std::string kind;
    std::string routeId;
    RouteSnapshot route;
    ReferenceSettings settings;

  private:
    static std::vector<bench::RouteFile> generatedRoute(std::mt19937_64& random,
                                                        const std::string& routeId);
    static std::vector<bench::RouteFile> pieceRoute(std::mt19937_64& random,
                                                    const std::string& routeId);
};

}  // namespace veltrano::reference
