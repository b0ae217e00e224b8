#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "engine/RunContext.h"

namespace veltrano {

// First phase of a run: counts the PickupItem records of the track database and works out,
// from each record's TrItemRData tile numbers, the world file it lies in (garrWorldFiles).
class TdbPickupCatalogue {
  public:
    // `databasePath`: the route's .tdb as the run resolved it.
    TdbPickupCatalogue(RunContext& context, std::string databasePath)
        : m_context(context), m_databasePath(std::move(databasePath)) {}

    // Adds one to `gdblTdbPickupCount` per record. False when the track database could not
    // be read (the problem line is in the protocol).
    bool subCollectTdbPickups(double& gdblTdbPickupCount);

    // The world file name for the text cut out of one record, from "TrItemRData" up to one
    // character after its ")": TrItemRData ( x y z -5678 14567 ) gives w-005678+014567.w.
    static std::u16string fctWorldFileName(std::u16string_view cutText);

  private:
    void addWorldFile(const std::u16string& name);

    RunContext& m_context;
    std::string m_databasePath;
    std::unordered_set<std::u16string> m_known;
};

}  // namespace veltrano
