#pragma once

#include <string>
#include <vector>

#include "app/ProgramControl.h"

namespace veltrano::test {

// Records the message boxes and the end of the program instead of showing or ending anything.
class RecordingProgramControl : public ProgramControl {
  public:
    void showMessage(const std::u16string& text) override { messages.push_back(text); }
    void endProgram(int exitStatus) override { endStatus = exitStatus; }

    std::vector<std::u16string> messages;
    int endStatus = -1;  // -1: not ended
};

}  // namespace veltrano::test
