#include <gtest/gtest.h>

#include <sstream>

#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "cli/TerminalRunHost.h"
#include "engine/RunState.h"
#include "platform/FileSystem.h"
#include "tests/support/RecordingProgramControl.h"
#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

class TerminalRunHostTest : public ::testing::Test {
  protected:
    TerminalRunHostTest() { state.gstrRoutePath = route.path(); }

    test::TempRoute route;
    RunState state;
    FileSystem fileSystem;
    FolderListing listing{fileSystem};
    test::RecordingProgramControl program;
    RouteFolderCheck check{state, listing, fileSystem, program};
    std::ostringstream err;
};

TEST_F(TerminalRunHostTest, ProtocolBoxHoldsWhatWasLastShown) {
    TerminalRunHost host(check, false, err, false);
    EXPECT_EQ(host.protocolBoxText(), u"");

    Protocol protocol;
    protocol.prepend(u"first\r\n");
    host.showProtocol(protocol);
    EXPECT_EQ(host.protocolBoxText(), u"first\r\n");

    // Text put in front after the show is not in the box until the next show.
    protocol.prepend(u"second\r\n");
    EXPECT_EQ(host.protocolBoxText(), u"first\r\n");
    host.showProtocol(protocol);
    EXPECT_EQ(host.protocolBoxText(), u"second\r\nfirst\r\n");
}

TEST_F(TerminalRunHostTest, StatusLineStaysOffAStreamThatIsNoTerminal) {
    TerminalRunHost host(check, true, err, false);
    host.setStatusLine(u"Look up for pickups in tdb file");
    host.setStatusLine(u"Duration: 0.01 s");
    host.endLiveLine();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(host.lastStatusLine(), u"Duration: 0.01 s");
    EXPECT_EQ(host.changeAllValue(), 1);
    EXPECT_EQ(TerminalRunHost(check, false, err, false).changeAllValue(), 0);
}

TEST_F(TerminalRunHostTest, LiveStatusLineIsRedrawnInPlaceAndClearedAtTheEnd) {
    TerminalRunHost host(check, false, err, true);
    host.endLiveLine();  // nothing drawn yet: nothing to clear
    host.setStatusLine(u"Erfasse Pickups in tdb-Datei");
    host.setStatusLine(u"Dauer: 0,02 s");
    host.endLiveLine();
    EXPECT_EQ(err.str(),
              "\r\x1b[KErfasse Pickups in tdb-Datei\r\x1b[K"
              "Dauer: 0,02 s\r\x1b[K");
}

TEST(TerminalRunHostFitTest, LongLinesKeepTheirEnd) {
    EXPECT_EQ(TerminalRunHost::fitToWidth(u"12345", 5), u"12345");
    EXPECT_EQ(TerminalRunHost::fitToWidth(u"look up 25.% looked up", 10), u"\u2026looked up");
    // A character outside the basic plane is never cut in half.
    EXPECT_EQ(TerminalRunHost::fitToWidth(u"abc\U0001F682de", 4), u"\u2026de");
}

TEST_F(TerminalRunHostTest, SilentRouteCheckIsTheRealOneWithoutNotice) {
    TerminalRunHost host(check, false, err, false);
    EXPECT_FALSE(host.checkRouteFolderSilently());
    ASSERT_EQ(program.messages.size(), 1u);
    EXPECT_EQ(program.endStatus, 2);

    route.makeUsableRoute("ABC");
    program.messages.clear();
    EXPECT_TRUE(host.checkRouteFolderSilently());
    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(state.gstrRouteName, u"ABC");
}

}  // namespace
}  // namespace veltrano
