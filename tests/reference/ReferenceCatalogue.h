#pragma once

#include <string>

#include "tests/reference/ReferenceState.h"

namespace veltrano::reference {

// Phase 1, position by position: every place of the track database where "PickupItem" starts
// (any letter case) counts as a record, and the tile numbers of the next "TrItemRData" name
// its world file.
class ReferenceCatalogue {
  public:
    explicit ReferenceCatalogue(ReferenceState& state) : m_state(state) {}

    // False when the track database could not be read (the problem line is in the protocol).
    bool subCollectTdbPickups(double& gdblTdbPickupCount);

    static std::u16string fctWorldFileName(const std::u16string& cutText);

  private:
    static std::u16string writtenNumber(const std::u16string& numberText);

    ReferenceState& m_state;
};

}  // namespace veltrano::reference
