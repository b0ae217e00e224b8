#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "desktop/ControlTable.h"

namespace veltrano::test {
namespace {

// Each id finds its own row. Only controls that can take the focus have a turn in the tab
// order, and each window's turns run 0, 1, 2, ... in the order of its rows, which is the order
// the fronts make them in. Only timers have an interval, and no timer shows.
TEST(ControlTable, RowsFindTheirIdsAndEachWindowsTabTurnsRunWithoutGapOrTie) {
    std::map<WindowId, std::vector<int>> turns;
    for (const ControlDesign& row : ControlTable::controls()) {
        EXPECT_EQ(&ControlTable::control(row.id), &row) << row.name;
        if (row.kind == ControlKind::Label || row.kind == ControlKind::Image ||
            row.kind == ControlKind::Timer) {
            EXPECT_EQ(row.tabIndex, -1) << row.name;
        } else {
            turns[row.window].push_back(row.tabIndex);
        }
        if (row.kind == ControlKind::Timer) {
            EXPECT_FALSE(row.visible) << row.name;
        } else {
            EXPECT_EQ(row.interval, 0) << row.name;
        }
    }
    for (auto& [window, order] : turns) {
        for (std::size_t turn = 0; turn < order.size(); ++turn) {
            EXPECT_EQ(order[turn], static_cast<int>(turn)) << ControlTable::window(window).name;
        }
    }
}

}  // namespace
}  // namespace veltrano::test
