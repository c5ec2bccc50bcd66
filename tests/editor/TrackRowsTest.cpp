// The editor's row bookkeeping: which rows up and down move, and how rows catch up with a
// playlist that others changed.
#include "editor/TrackRows.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<int>;

TEST(TrackRows, UpAndDownMoveEverySelectedRowUnlessTheEdgeIsSelected) {
    // From the top for up, from the bottom for down: a block moves together.
    EXPECT_EQ((Rows{2, 3}), *rows::RowsToMoveUp({false, false, true, true, false}));
    EXPECT_EQ((Rows{3, 2}), *rows::RowsToMoveDown({false, false, true, true, false}));
    EXPECT_FALSE(rows::RowsToMoveUp({true, false, false, true}));
    EXPECT_FALSE(rows::RowsToMoveDown({false, true, false, true}));
    EXPECT_EQ(Rows{}, *rows::RowsToMoveDown({})); // not refused: the command still saves
}

TEST(TrackRows, RowsCatchUpWithRemovedAndAppendedEntries) {
    // "b" and "d" went, "e" came: row 1 goes, then the row that was 3 is row 2.
    const rows::CRowCatchUp mixed = rows::PlanRowCatchUp({"a", "b", "c", "d"}, {"a", "c", "e"});
    EXPECT_EQ((Rows{1, 2}), mixed.rowsToDelete);
    EXPECT_EQ(2, mixed.firstEntryToAppend);
    // One of two equal paths went: one row goes, none is added.
    const rows::CRowCatchUp twins = rows::PlanRowCatchUp({"x", "x", "y"}, {"x", "y"});
    EXPECT_EQ(Rows{1}, twins.rowsToDelete);
    EXPECT_EQ(2, twins.firstEntryToAppend);
}

} // namespace
