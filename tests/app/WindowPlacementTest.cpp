// A saved position on a screen that is no longer there: the window comes back within reach.
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

#include <ostream>

static bool operator==(const CScreenRect& a, const CScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
static std::ostream& operator<<(std::ostream& out, const CScreenRect& r) {
    return out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

namespace {

CScreenRect Window(int x, int y) {
    return {x, y, x + 233, y + 206};
}

TEST(WindowPlacement, OutOfReachComesBackToTheNearestScreen) {
    const std::vector<CScreenRect> one = {{0, 0, 1024, 768}};
    // Enough of it on the screen: left where it is, also partly off the edge.
    EXPECT_EQ(Window(100, 50), PlaceWithinReach(Window(100, 50), one));
    EXPECT_EQ(Window(1024 - 32, 768 - 32), PlaceWithinReach(Window(1024 - 32, 768 - 32), one));
    EXPECT_EQ(Window(32 - 233, 0), PlaceWithinReach(Window(32 - 233, 0), one));
    // 31 pixels are not enough: moved until it is wholly visible.
    EXPECT_EQ(Window(1024 - 233, 100), PlaceWithinReach(Window(1024 - 31, 100), one));
    EXPECT_EQ(Window(1024 - 233, 768 - 206), PlaceWithinReach(Window(5000, 5000), one));
    EXPECT_EQ(Window(0, 0), PlaceWithinReach(Window(-3000, 0), one));

    // Two screens side by side: the one nearer to where the window was.
    const std::vector<CScreenRect> two = {{0, 0, 1024, 768}, {1024, 0, 2944, 1040}};
    EXPECT_EQ(Window(2944 - 233, 500), PlaceWithinReach(Window(4000, 500), two));
    EXPECT_EQ(Window(0, 300), PlaceWithinReach(Window(-900, 300), two));
}

} // namespace
