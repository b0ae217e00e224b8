#pragma once

#include <string>

namespace veltrano {

// What the start-up and the route folder check need from the program around them: a message
// box (OK only, no icon, caption Veltrano) and the end of the program. The desktop program
// shows a dialog and ends the process at once; the terminal front writes to stderr and
// returns its exit status; tests record both.
class ProgramControl {
  public:
    virtual ~ProgramControl() = default;

    // Shows `text` (lines end in CR LF) and returns when the user has closed it.
    virtual void showMessage(const std::u16string& text) = 0;
    // Ends the program with `exitStatus`. May return (terminal front, tests); callers then
    // return at once without doing anything further.
    virtual void endProgram(int exitStatus) = 0;
};

}  // namespace veltrano
