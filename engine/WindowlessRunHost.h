#pragma once

#include <string>

#include "engine/RunHost.h"

namespace veltrano {

// A host with no window to keep live: the terminal, an undo, a test. It shows nothing while
// the run works and keeps no box text, so a run starts a fresh protocol that its caller reads
// at the end; the change-all option is off unless a host says otherwise.
class WindowlessRunHost : public RunHost {
  public:
    void setStatusLine(const std::u16string&) override {}
    std::u16string protocolBoxText() override { return {}; }
    void showProtocol(const Protocol&) override {}
    void yieldToEvents() override {}
    void setAnimationInterval(int) override {}
    void setBusyPointer(bool) override {}
    void repaint() override {}
    int changeAllValue() override { return 0; }
};

}  // namespace veltrano
