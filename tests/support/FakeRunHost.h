#pragma once

#include <string>
#include <vector>

#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "engine/RunHost.h"
#include "engine/RunState.h"
#include "platform/FileSystem.h"
#include "tests/support/RecordingProgramControl.h"

namespace veltrano::test {

// A RunHost that records what the run asks of its front. Its protocol box behaves like the
// real one: it holds what was last shown, unless a test puts text in by hand. The silent
// route check is the real one, with its messages recorded.
class FakeRunHost : public RunHost {
  public:
    FakeRunHost(RunState& state, FileSystem& fileSystem);

    void setStatusLine(const std::u16string& text) override { statusLines.push_back(text); }
    std::u16string protocolBoxText() override { return boxText; }
    void showProtocol(const Protocol& protocol) override;
    void yieldToEvents() override { ++yields; }
    void setAnimationInterval(int milliseconds) override {
        animationIntervals.push_back(milliseconds);
    }
    void setBusyPointer(bool busy) override { busyPointer.push_back(busy); }
    void repaint() override { ++repaints; }
    int changeAllValue() override { return changeAll; }
    bool checkRouteFolderSilently() override;

    std::vector<std::u16string> statusLines;
    std::u16string boxText;
    int shows = 0;
    long long yields = 0;
    std::vector<int> animationIntervals;
    std::vector<bool> busyPointer;
    int repaints = 0;
    int changeAll = 0;
    RecordingProgramControl program;

  private:
    FolderListing m_listing;
    RouteFolderCheck m_check;
};

}  // namespace veltrano::test
