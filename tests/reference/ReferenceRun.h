#pragma once

#include <string>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "tests/reference/ReferenceState.h"

namespace veltrano::reference {

struct ReferenceOutcome {
    std::u16string protocol;  // gstrProtokoll at the end of the run
    bool fileError = false;   // a file error ended the run in order
    long long yields = 0;     // yield points passed
};

// One correction run done the slow, literal way, as an oracle for the engine: a pass over
// every character of the track database, item-by-item world files, a fresh search per pickup
// and a rebuilt text per rewritten field. It leaves the same files, backups and protocol as
// a run of the program on the same route with the same settings and clock.
class ReferenceRun {
  public:
    ReferenceRun(std::string routePath, FileSystem& fileSystem, const Clock& clock,
                 ReferenceSettings settings);

    ReferenceOutcome run();

    // The RouteID of the route's .trk file; empty when there is none.
    static std::u16string routeId(FileSystem& fileSystem, const std::string& routePath);

  private:
    void writeStartFrame();
    bool runPhases();
    void writeEndFrame();
    std::u16string dateAndTime() const;

    ReferenceState m_state;
    ReferenceSettings m_settings;
};

}  // namespace veltrano::reference
