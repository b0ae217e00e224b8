#pragma once

namespace veltrano {

// The process's standard streams. A live status line is meant for a person watching, never for
// a log file or a pipe.
class Terminal {
  public:
    // Whether stderr, where the status line goes, is a terminal.
    static bool standardErrorIsTerminal();
    // Makes stdout and stderr carry exactly the bytes written, as UTF-8, and lets a terminal
    // redraw the live line. Only Windows needs it: its C runtime would turn each LF into CR LF
    // (a protocol's CR LF into CR CR LF), and its console would read the bytes in the OEM code
    // page and show the line's escape sequences as text.
    static void prepareOutput();
};

}  // namespace veltrano
