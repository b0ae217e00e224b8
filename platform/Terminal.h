#pragma once

namespace veltrano {

// Whether a standard stream of the process is a terminal. A live status line is meant for a
// person watching, never for a log file or a pipe.
class Terminal {
public:
    // `fileDescriptor`: 1 for stdout, 2 for stderr.
    static bool isTerminal(int fileDescriptor);
};

}  // namespace veltrano
