#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CorrectionRun.h"

namespace veltrano {

// The desktop program's command line: nothing; --read-all-world-files, which makes every run
// decode world files in their other stored forms; or --undo-last-run, which undoes the route's
// last run instead of opening the main window. Both fronts parse it here, before any window;
// anything else is answered with the usage and the end of the program.
struct DesktopArguments {
    RunOptions runOptions;
    bool undoLastRun = false;

    // The arguments after the program's name, in UTF-8 as CommandLine gives them; nothing when
    // one is not the program's, or the two options are mixed.
    static std::optional<DesktopArguments> parse(const std::vector<std::string>& commandLine);

    // The message box text for a wrong command line; `programName` as the user types it.
    static std::u16string usage(std::u16string_view programName);
};

}  // namespace veltrano
