// The main window's outline and button regions: their size, their runs, and points whose
// answers were worked out by hand from the window's drawing rather than from the tables.
#include "mainwnd/RunTables.h"

#include <gtest/gtest.h>

#include <vector>

using namespace mainwnd;

namespace {

constexpr int kWidth = 233;
constexpr int kHeight = 206;

int RunCountInRow(RunTable table, int y) {
    int n = 0;
    for (const Run& run : ExpandRuns(table))
        n += run.y == y;
    return n;
}

} // namespace

TEST(RunTablesTest, RunCountsMatchTheRegions) {
    EXPECT_EQ(ExpandRuns(WindowOutline()).size(), 225u);
    const size_t expected[BUTTON_COUNT] = {41, 21, 26, 26, 32, 32, 32};
    for (int i = 0; i < BUTTON_COUNT; ++i)
        EXPECT_EQ(ExpandRuns(ButtonRegion(i)).size(), expected[i]) << "button " << i;
}

TEST(RunTablesTest, RunsComeInRowOrderLeftToRightApart) {
    for (int i = -1; i < BUTTON_COUNT; ++i) {
        const std::vector<fw::Run> runs = ExpandRuns(i < 0 ? WindowOutline() : ButtonRegion(i));
        for (size_t t = 0; t < runs.size(); ++t) {
            EXPECT_LE(runs[t].first, runs[t].last);
            if (t == 0) continue;
            // Rows ascend; within a row, runs go left to right with a gap between them.
            EXPECT_TRUE(runs[t - 1].y < runs[t].y ||
                        (runs[t - 1].y == runs[t].y && runs[t - 1].last + 1 < runs[t].first))
                << "region " << i << ", run " << t;
        }
    }
}

TEST(RunTablesTest, ARowWithAGap) {
    // Row 8 of the outline: a lone pixel at 156, then 158 to 193.
    std::vector<fw::Run> row8;
    for (const fw::Run& run : ExpandRuns(WindowOutline()))
        if (run.y == 8) row8.push_back(run);
    ASSERT_EQ(row8.size(), 2u);
    EXPECT_EQ(row8[0].first, 156);
    EXPECT_EQ(row8[0].last, 156);
    EXPECT_EQ(row8[1].first, 158);
    EXPECT_EQ(row8[1].last, 193);
}

TEST(RunTablesTest, OutlineExtent) {
    const RunBounds b = BoundsOf(WindowOutline());
    EXPECT_EQ(b.left, 1);
    EXPECT_EQ(b.top, 0);
    EXPECT_EQ(b.right, 232);
    EXPECT_EQ(b.bottom, 204);
    for (int x = 0; x < kWidth; ++x)
        EXPECT_FALSE(IsInsideOutline(x, 205)) << "column " << x;
    for (int y = 0; y < kHeight; ++y)
        EXPECT_FALSE(IsInsideOutline(0, y)) << "row " << y;
}

TEST(RunTablesTest, OutlineRowsWithTwoRuns) {
    // The panel's top and the head stand apart on rows 37 to 53; rows 8, 135 and 138 hold a gap or
    // a lone pixel.
    for (int y = 0; y <= 204; ++y) {
        const bool two = (y >= 37 && y <= 53) || y == 8 || y == 135 || y == 138;
        EXPECT_EQ(RunCountInRow(WindowOutline(), y), two ? 2 : 1) << "row " << y;
    }
}

TEST(RunTablesTest, ButtonExtents) {
    const RunBounds expected[BUTTON_COUNT] = {
        {17, 50, 115, 90},  {14, 94, 96, 114},  {14, 119, 56, 144},  {61, 119, 105, 144},
        {15, 149, 44, 180}, {51, 149, 82, 180}, {89, 149, 122, 180},
    };
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        const RunBounds b = BoundsOf(ButtonRegion(i));
        EXPECT_EQ(b.left, expected[i].left) << "button " << i;
        EXPECT_EQ(b.top, expected[i].top) << "button " << i;
        EXPECT_EQ(b.right, expected[i].right) << "button " << i;
        EXPECT_EQ(b.bottom, expected[i].bottom) << "button " << i;
    }
}

TEST(RunTablesTest, OutlineAtItsEdges) {
    struct Point {
        int x, y;
        bool inside;
    };
    const Point points[] = {
        {0, 0, false},
        {232, 0, false},
        {175, 0, true},
        {1, 100, true},
        // The one-pixel gap in row 8, and the outline's left end there.
        {157, 8, false},
        {156, 8, true},
        {158, 8, true},
        {155, 8, false},
        // Lone pixels at the right end of rows 135 and 138, each after a gap.
        {212, 135, true},
        {211, 135, false},
        {209, 138, true},
        {208, 138, false},
        // The panel's top and the head stand apart until row 54.
        {126, 53, true},
        {128, 53, false},
        {131, 53, true},
        {127, 54, true},
    };
    for (const Point& p : points)
        EXPECT_EQ(IsInsideOutline(p.x, p.y), p.inside) << "(" << p.x << ", " << p.y << ")";
}

TEST(RunTablesTest, HitTestAtButtonEdges) {
    struct Point {
        int x, y, button;
    };
    const Point points[] = {
        // Stop: row 94 starts a column later than the rows below it.
        {16, 94, BUTTON_STOP},
        {15, 94, NO_BUTTON},
        {97, 94, NO_BUTTON},
        // The gap between previous and next.
        {58, 130, NO_BUTTON},
        {56, 130, BUTTON_PREV},
        {61, 130, BUTTON_NEXT},
        // Exit is round: a corner of its box is no hit.
        {105, 164, BUTTON_EXIT},
        {89, 150, NO_BUTTON},
        {15, 149, BUTTON_TICKER},
        {44, 180, BUTTON_TICKER},
        {45, 180, NO_BUTTON},
        {50, 180, NO_BUTTON},
        {51, 149, BUTTON_PLAYLIST},
        // The arc of play/pause: its last row starts a column later, its top is narrow.
        {17, 89, BUTTON_PLAYPAUSE},
        {17, 90, NO_BUTTON},
        {18, 90, BUTTON_PLAYPAUSE},
        {75, 50, BUTTON_PLAYPAUSE},
        {74, 50, NO_BUTTON},
        {115, 63, BUTTON_PLAYPAUSE},
        {116, 63, NO_BUTTON},
        // The slanted right edge of next, and the rounded corners of previous.
        {105, 138, BUTTON_NEXT},
        {105, 137, NO_BUTTON},
        {14, 144, NO_BUTTON},
        {15, 144, BUTTON_PREV},
    };
    for (const Point& p : points)
        EXPECT_EQ(HitButton(p.x, p.y), p.button) << "(" << p.x << ", " << p.y << ")";
}

TEST(RunTablesTest, ButtonsAreDisjointAndInsideTheOutline) {
    for (int y = -1; y <= kHeight; ++y)
        for (int x = -1; x <= kWidth; ++x) {
            int holders = 0, first = NO_BUTTON;
            for (int i = BUTTON_COUNT - 1; i >= 0; --i)
                if (ButtonRegion(i).Contains(x, y)) ++holders, first = i;
            ASSERT_LE(holders, 1) << "(" << x << ", " << y << ")";
            ASSERT_EQ(HitButton(x, y), first) << "(" << x << ", " << y << ")";
            if (holders) {
                ASSERT_TRUE(IsInsideOutline(x, y)) << "(" << x << ", " << y << ")";
            }
        }
}
