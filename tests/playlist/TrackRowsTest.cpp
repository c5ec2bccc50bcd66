// The editor's row bookkeeping: which rows up and down move, and how rows catch up with a
// playlist that others changed.
#include "playlist/TrackRows.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<int>;
using Paths = std::vector<std::string>;

TEST(TrackRows, UpAndDownMoveEverySelectedRowUnlessTheEdgeIsSelected) {
    // Rows 2 and 3 of five: 2 first, then 3, so the block moves together.
    EXPECT_EQ((Rows{2, 3}), *rows::RowsToMoveUp({false, false, true, true, false}));
    EXPECT_EQ((Rows{3, 2}), *rows::RowsToMoveDown({false, false, true, true, false}));
    EXPECT_FALSE(rows::RowsToMoveUp({true, false, false, true, false}));
    EXPECT_FALSE(rows::RowsToMoveDown({false, true, false, false, true}));
    // Nothing selected, or no rows at all: nothing moves, but the command is not refused.
    EXPECT_EQ(Rows{}, *rows::RowsToMoveUp({false, false}));
    EXPECT_EQ(Rows{}, *rows::RowsToMoveDown({}));
}

TEST(TrackRows, RowsCatchUpWithRemovedAndAppendedEntries) {
    const rows::CRowCatchUp appended = rows::PlanRowCatchUp({"a", "b"}, {"a", "b", "c", "d"});
    EXPECT_EQ(Rows{}, appended.rowsToDelete);
    EXPECT_EQ(2, appended.firstEntryToAppend);

    // "b" and "d" went, "e" came: row 1 goes, then the row that was 3 is row 2.
    const rows::CRowCatchUp mixed = rows::PlanRowCatchUp({"a", "b", "c", "d"}, {"a", "c", "e"});
    EXPECT_EQ((Rows{1, 2}), mixed.rowsToDelete);
    EXPECT_EQ(2, mixed.firstEntryToAppend);

    // One of two equal paths went: one row goes, whichever it is, and none is added.
    const rows::CRowCatchUp twins = rows::PlanRowCatchUp({"x", "x", "y"}, {"x", "y"});
    EXPECT_EQ(Rows{1}, twins.rowsToDelete);
    EXPECT_EQ(2, twins.firstEntryToAppend);
}

TEST(TrackRows, ColumnsAndTextsOfARow) {
    CTrackEntry entry;
    entry.m_strPath = "C:\\音楽\\表示.mp3";
    entry.m_strTitle = "タイトル";
    entry.m_nTotalSec = 245;
    EXPECT_EQ((std::array<std::string, 5>{"表示.mp3", "タイトル", "", "0'04\"05", entry.m_strPath}),
              rows::RowTexts(entry));
    EXPECT_STREQ("パス", rows::kColumnTitles[rows::kPathColumn]);
    EXPECT_EQ(0, rows::kColumnWidths[rows::kPathColumn]);
    EXPECT_EQ('\0', rows::kColumnTitles[rows::kColumnCount][0]);
}

} // namespace
