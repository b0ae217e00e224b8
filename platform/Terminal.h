#pragma once

namespace veltrano {

// Whether a standard stream of the process is a terminal. A live status line is meant for a
// person watching, never for a log file or a pipe.
class Terminal {
  public:
    // `fileDescriptor`: 1 for stdout, 2 for stderr.
    static bool isTerminal(int fileDescriptor);
    // Makes stdout and stderr carry exactly the bytes written, as UTF-8, and lets a terminal
    // redraw the live line. Only Windows needs it: its C runtime would turn each LF into CR LF
    // (a protocol's CR LF into CR CR LF), and its console would read the bytes in the OEM code
    // page and show the line's escape sequences as text.
    static void prepareOutput();
};

}  // namespace veltrano
