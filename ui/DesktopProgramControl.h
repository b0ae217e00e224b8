#pragma once

#include <functional>
#include <string>

#include "app/ProgramControl.h"

namespace veltrano {

// Message boxes and the end of the desktop program. A message is a modal box with an OK button
// only, no icon and the caption Veltrano. Ending the program ends the process at once: no
// further handler of any window runs and nothing is saved, so every window disappears with it.
class DesktopProgramControl : public ProgramControl {
  public:
    using ProcessEnd = std::function<void(int exitStatus)>;

    // Ends the real process.
    DesktopProgramControl();
    // Hands the end to `processEnd` instead, for a harness that must outlive the program.
    explicit DesktopProgramControl(ProcessEnd processEnd);

    void showMessage(const std::u16string& text) override;
    void endProgram(int exitStatus) override;

    // True once endProgram has been called (only ever seen when the end is handed on).
    bool endRequested() const { return m_endRequested; }

    // Flushes what the C library still buffers and ends the process with `exitStatus`, without
    // running any exit handler or destructor.
    static void endProcessNow(int exitStatus);

  private:
    ProcessEnd m_processEnd;
    bool m_endRequested = false;
};

}  // namespace veltrano
