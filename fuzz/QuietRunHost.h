#pragma once

#include <string>

#include "app/ProgramControl.h"
#include "engine/RunHost.h"

namespace veltrano::fuzz {

// A front that shows nothing: the fuzz targets look at the run state and the files instead.
class QuietRunHost : public RunHost, public ProgramControl {
  public:
    void setStatusLine(const std::u16string&) override {}
    std::u16string protocolBoxText() override { return {}; }
    void showProtocol(const Protocol&) override { ++shows; }
    void yieldToEvents() override {}
    void setAnimationInterval(int) override {}
    void setBusyPointer(bool) override {}
    void repaint() override {}
    int changeAllValue() override { return changeAll; }
    bool checkRouteFolderSilently() override { return true; }

    void showMessage(const std::u16string& text) override { lastMessage = text; }
    void endProgram(int exitStatus) override { endStatus = exitStatus; }

    int changeAll = 0;
    long long shows = 0;
    std::u16string lastMessage;
    int endStatus = -1;
};

}  // namespace veltrano::fuzz
