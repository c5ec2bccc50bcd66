// The ticker's digits and the motion of its strip, without a window.
#include "companions/TickerLayout.h"
#include "companions/TickerScroll.h"

#include <gtest/gtest.h>

using namespace ticker;

namespace {

// What the copies show: each glyph by its place in the glyph bitmap (x 2 + 16 d, colon at 165).
std::string Shown(int index, int elapsedSec) {
    std::string shown;
    for (const GlyphCopy& copy : DigitCopies(index, elapsedSec)) {
        const bool digit = copy.width == 13 && (copy.glyphX - 2) % 16 == 0 && copy.glyphX < 160;
        shown += digit ? static_cast<char>('0' + (copy.glyphX - 2) / 16)
                 : copy.glyphX == 165 && copy.width == 6 ? ':'
                                                         : '?';
    }
    return shown;
}

TEST(TickerDigits, NumberAndTimeFillTheirCells) {
    EXPECT_EQ("001000:59", Shown(0, 59));
    EXPECT_EQ("010001:00", Shown(9, 60));
    EXPECT_EQ("999059:59", Shown(998, 3599));
    EXPECT_EQ("000100:00", Shown(-1, 60000)); // no entry; 1000 minutes cut to three digits
    EXPECT_EQ("000000:00", Shown(-1, -75));   // nothing drawn from outside the glyphs
}

TEST(TickerScroll, PausesStepsByTwoWrapsAndReentersFromTheRight) {
    CTickerScroll scroll;
    scroll.SetText(210, 1000);
    EXPECT_FALSE(scroll.Moves());
    scroll.SetText(211, 1000);
    EXPECT_TRUE(scroll.Moves());
    scroll.Advance(1004); // four seconds are not more than four
    EXPECT_EQ(0, scroll.Offset());
    scroll.Advance(1005);
    EXPECT_EQ(2, scroll.Offset());
    while (scroll.Offset() < 210)
        scroll.Advance(1005);
    EXPECT_EQ(1, scroll.Visible().width); // the last offset drawn shows the last column
    scroll.Advance(1005);
    EXPECT_EQ(-210, scroll.Offset()); // at once, from an empty band at its right edge
    EXPECT_EQ(220, scroll.Visible().x);
    EXPECT_EQ(0, scroll.Visible().width);
    scroll.Advance(1005);
    EXPECT_EQ(218, scroll.Visible().x);
    EXPECT_EQ(2, scroll.Visible().width);
    while (scroll.Offset() < 0)
        scroll.Advance(1005);
    scroll.Advance(1005);
    EXPECT_EQ(2, scroll.Offset()); // through 0 without a second pause
    scroll.Restart(2000);
    scroll.Advance(2004);
    EXPECT_EQ(0, scroll.Offset()); // shown again: at the start, pausing
}

} // namespace
