// The status line on a terminal: one live line redrawn in place and cleared at the end, cut at
// the front to fit; on a stream that is no terminal nothing is drawn.

#include "cli/TerminalRunHost.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/support/FakeRunHost.h"

namespace veltrano {
namespace {

TEST(TerminalRunHost, LiveStatusLineOnlyOnATerminalRedrawnInPlaceClearedAndCutToTheWidth) {
    RunState state;
    FileSystem fileSystem;
    test::FakeRunHost fake(state, fileSystem);
    const std::size_t width = TerminalRunHost::terminalColumns();
    for (const bool terminal : {false, true}) {
        std::ostringstream err;
        TerminalRunHost host(fake.check, err, terminal, terminal);
        host.endLiveLine();  // nothing drawn yet: nothing to clear
        host.setStatusLine(u"Erfasse Pickups in tdb-Datei");
        // As wide as the terminal: the cursor would wrap it and the redraw leave it standing.
        host.setStatusLine(std::u16string(width, u'x'));
        host.setStatusLine(u"Dauer: 0,02 s");
        host.endLiveLine();
        EXPECT_EQ(err.str(), terminal
                                 ? "\r\x1b[KErfasse Pickups in tdb-Datei\r\x1b[K\u2026" +
                                       std::string(width - 2, 'x') + "\r\x1b[KDauer: 0,02 s\r\x1b[K"
                                 : "");
        EXPECT_EQ(host.lastStatusLine(), u"Dauer: 0,02 s");
        EXPECT_EQ(host.changeAllValue(), terminal ? 1 : 0);
    }
    // COLUMNS counts when it is a whole number from 20 to 1000; otherwise the classic 80. A line
    // too long keeps its end, and a character outside the basic plane is never cut in half.
    const std::pair<const char*, std::size_t> rows[] = {
        {"20", 20}, {"1000", 1000}, {"19", 80}, {"1001", 80}, {"30x", 80}, {"", 80}, {nullptr, 80}};
    for (const auto& [columns, expected] : rows) {
        EXPECT_EQ(TerminalRunHost::columnsFrom(columns), expected) << (columns ? columns : "none");
    }
    EXPECT_EQ(TerminalRunHost::fitToWidth(u"12345", 5), u"12345");
    EXPECT_EQ(TerminalRunHost::fitToWidth(u"123", 2), u"\u20263");
    EXPECT_EQ(TerminalRunHost::fitToWidth(u"look up 25.% looked up", 10), u"\u2026looked up");
    EXPECT_EQ(TerminalRunHost::fitToWidth(u"abc\U00010000de", 4), u"\u2026de");
}

}  // namespace
}  // namespace veltrano
