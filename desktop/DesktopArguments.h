#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/CorrectionRun.h"

namespace veltrano {

// The desktop program's command line: nothing, or --read-all-world-files, which makes every
// run decode world files in their other stored forms. Both fronts parse it here, before any
// window; anything else is answered with the usage and the end of the program.
class DesktopArguments {
  public:
    // The exit status after a command line that is not the program's.
    static constexpr int kExitUsage = 64;

    // The whole command line, the program's name first as the system passes it; nothing when
    // an argument after the name is not the program's.
    static std::optional<RunOptions> parse(std::span<const std::u16string> commandLine);
    // The same for main's argv, in UTF-8.
    static std::optional<RunOptions> parse(std::span<char* const> commandLine);

    // The message box text for a wrong command line; `programName` as the user types it.
    static std::u16string usage(std::u16string_view programName);
};

}  // namespace veltrano
