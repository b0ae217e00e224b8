#pragma once

#include <string>

#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "engine/RunState.h"
#include "engine/WindowlessRunHost.h"
#include "platform/FileSystem.h"
#include "tests/support/RecordingProgramControl.h"

namespace veltrano::test {

// A RunHost without a window. Its protocol box behaves like the real one: it holds what was last
// shown, unless a test puts text in by hand. The silent route check is the real one, with its
// messages recorded.
class FakeRunHost : public WindowlessRunHost {
  public:
    FakeRunHost(RunState& state, FileSystem& fileSystem)
        : listing(fileSystem), check(state, listing, fileSystem, program) {}

    void setStatusLine(const std::u16string& text) override { statusLine = text; }
    std::u16string protocolBoxText() override { return boxText; }
    void showProtocol(const Protocol& protocol) override { boxText = protocol.text(); }
    int changeAllValue() override { return changeAll; }
    bool checkRouteFolderSilently() override { return check.subCheckRouteFolder(false); }

    std::u16string boxText;
    std::u16string statusLine;  // the last one shown
    int changeAll = 0;
    RecordingProgramControl program;
    FolderListing listing;
    RouteFolderCheck check;
};

}  // namespace veltrano::test
