#pragma once

#include <ostream>
#include <string>

#include "app/ProgramControl.h"

namespace veltrano {

// The terminal's message box and program end: messages go to stderr, and the end of the program
// is only recorded, so that the entry point can return the exit status itself.
class TerminalProgramControl : public ProgramControl {
  public:
    explicit TerminalProgramControl(std::ostream& errorStream) : m_errorStream(errorStream) {}

    // Writes `text` as UTF-8, its line ends as given.
    void showMessage(const std::u16string& text) override;
    void endProgram(int exitStatus) override;

    bool ended() const { return m_ended; }
    int exitStatus() const { return m_exitStatus; }

  private:
    std::ostream& m_errorStream;
    bool m_ended = false;
    int m_exitStatus = 0;
};

}  // namespace veltrano
