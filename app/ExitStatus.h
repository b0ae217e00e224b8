#pragma once

namespace veltrano {

// The exit statuses of veltrano-cli and of the desktop programs, which end alike.
struct ExitStatus {
    // The run, restore or undo completed, or the user ended the program (Quit, No).
    static constexpr int kCompleted = 0;
    // A file could not be read, backed up or written; the protocol or a message names it.
    static constexpr int kFileError = 1;
    // The route folder is unusable, WORLD holds no world file, or there is no such run to undo.
    static constexpr int kRouteFolderUnusable = 2;
    // The command line is not the program's; the usage says what it takes.
    static constexpr int kBadCommandLine = 64;
};

}  // namespace veltrano
