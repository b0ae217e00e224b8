#include <gtest/gtest.h>

#include <map>

#include "desktop/ControlTable.h"

namespace veltrano::test {
namespace {

// Each id finds its own row. Only controls that can take the focus have a turn in the tab order,
// and each window's turns run 0, 1, 2, ... in the order of its rows, the order the fronts make
// them in.
TEST(ControlTable, RowsFindTheirIdsAndEachWindowsTabTurnsRunInTheOrderOfItsRows) {
    std::map<WindowId, int> next;
    for (const ControlDesign& row : ControlTable::controls()) {
        EXPECT_EQ(&ControlTable::control(row.id), &row) << row.name;
        const bool focusable = row.kind != ControlKind::Label && row.kind != ControlKind::Image &&
                               row.kind != ControlKind::Timer;
        EXPECT_EQ(row.tabIndex, focusable ? next[row.window]++ : -1) << row.name;
    }
}

}  // namespace
}  // namespace veltrano::test
