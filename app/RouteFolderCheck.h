#pragma once

#include <string>

#include "app/FolderListing.h"
#include "app/ProgramControl.h"
#include "engine/RunState.h"
#include "platform/FileSystem.h"

namespace veltrano {

// Decides whether gstrRoutePath is a usable route folder (exactly one .trk, .tit, .tdb and
// WORLD entry), reads the RouteID into gstrRouteName, and tells the user when it is not.
class RouteFolderCheck {
  public:
    RouteFolderCheck(RunState& state, FolderListing& listing, FileSystem& fileSystem,
                     ProgramControl& program)
        : m_state(state), m_listing(listing), m_fileSystem(fileSystem), m_program(program) {}

    // With `varShowNotice` the start-up notice is shown when the folder passes. On failure the
    // problem message is shown, the program is ended, and false is returned.
    bool subCheckRouteFolder(bool varShowNotice);

  private:
    // How many entries of each kind the route folder holds.
    struct EntryCounts {
        int trk = 0;
        int tit = 0;
        int tdb = 0;
        int world = 0;
        std::string trkName;  // the last .trk entry seen

        bool usable() const { return trk == 1 && tit == 1 && tdb == 1 && world == 1; }
    };

    static EntryCounts countEntries(const std::vector<std::string>& names);
    std::u16string noticeText() const;
    // Reads the RouteID from the .trk into gstrRouteName; on failure `problem` says why.
    bool readRouteId(const std::string& trkName, std::u16string& problem);
    std::u16string problemText(bool varShowNotice, const EntryCounts& counts,
                               const std::u16string& routeIdProblem) const;

    RunState& m_state;
    FolderListing& m_listing;
    FileSystem& m_fileSystem;
    ProgramControl& m_program;
};

}  // namespace veltrano
