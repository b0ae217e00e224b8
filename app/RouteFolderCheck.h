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
    RunState& m_state;
    FolderListing& m_listing;
    FileSystem& m_fileSystem;
    ProgramControl& m_program;
};

}  // namespace veltrano
