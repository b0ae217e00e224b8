#pragma once

#include "app/FolderListing.h"
#include "app/ProgramControl.h"
#include "engine/RunState.h"
#include "platform/FileSystem.h"

namespace veltrano {

// The start-up's test that the WORLD folder holds at least one file whose name ends in ".w"
// (exact letter case). On failure it shows the message and ends the program.
class WorldFileTest {
  public:
    WorldFileTest(const RunState& state, FolderListing& listing, FileSystem& fileSystem,
                  ProgramControl& program)
        : m_state(state), m_listing(listing), m_fileSystem(fileSystem), m_program(program) {}

    // Returns true when a world file was found; false after the message and endProgram(2).
    bool passes();

  private:
    const RunState& m_state;
    FolderListing& m_listing;
    FileSystem& m_fileSystem;
    ProgramControl& m_program;
};

}  // namespace veltrano
