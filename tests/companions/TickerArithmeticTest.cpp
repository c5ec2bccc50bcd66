// The ticker's digits, its line of text and the motion of its strip, without a window.
#include "companions/TickerLayout.h"
#include "companions/TickerScroll.h"
#include "companions/TickerText.h"
#include "res/UiText.h"

#include <gtest/gtest.h>

#include <string>

using namespace ticker;

namespace {

// What the nine glyph copies show, read back from the glyph bitmap's layout (digit d at
// x 2 + 16 d, the colon at 165).
std::string Shown(int index, int elapsedSec) {
    std::string shown;
    for (const GlyphCopy& copy : DigitCopies(index, elapsedSec)) {
        if (copy.glyphX == 165 && copy.width == 6)
            shown += ':';
        else if (copy.width == 13 && (copy.glyphX - 2) % 16 == 0 && copy.glyphX <= 146)
            shown += static_cast<char>('0' + (copy.glyphX - 2) / 16);
        else
            shown += '?';
    }
    return shown;
}

TEST(TickerDigits, NumberAndTimeFillTheirCells) {
    EXPECT_EQ("001000:59", Shown(0, 59));
    EXPECT_EQ("010001:00", Shown(9, 60));
    EXPECT_EQ("999059:59", Shown(998, 3599));
    // No entry; 1000 minutes show their first three digits.
    EXPECT_EQ("000100:00", Shown(-1, 60000));
    EXPECT_EQ("100000:00", Shown(999, 0));
    // Nothing lands outside the glyphs, whatever the message carried.
    EXPECT_EQ("000000:00", Shown(-1, -75));

    const int cells[9] = {100, 113, 126, 150, 163, 176, 189, 195, 208};
    const auto copies = DigitCopies(0, 0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(cells[i], copies[i].x) << i;
}

TEST(TickerText, ArtistAndTitleAroundAFullWidthColon) {
    CTrackEntry entry;
    entry.m_strArtist = "Artist";
    entry.m_strTitle = "Title";
    // Full-width space, colon and space in code page 932.
    EXPECT_EQ("Artist\x81\x40\x81\x46\x81\x40Title", TickerText(&entry));
    const CTrackEntry blank;
    EXPECT_EQ("\x81\x40\x81\x46\x81\x40", TickerText(&blank));
    EXPECT_EQ(std::string(ui::kTickerBanner), TickerText(nullptr));
}

constexpr time_t kStart = 1000;

// Offsets the strip passes through, one per tick, all at `now`.
std::vector<int> Offsets(CTickerScroll& scroll, time_t now, int ticks) {
    std::vector<int> offsets;
    for (int i = 0; i < ticks; ++i) {
        offsets.push_back(scroll.Offset());
        scroll.Advance(now);
    }
    return offsets;
}

TEST(TickerScroll, AWideTextPausesMoreThanFourSecondsThenStepsByTwo) {
    CTickerScroll scroll;
    scroll.SetText(300, kStart);
    EXPECT_TRUE(scroll.Moves());
    EXPECT_EQ((std::vector<int>{0, 0, 0}), Offsets(scroll, kStart + 4, 3));
    EXPECT_EQ((std::vector<int>{0, 2, 4, 6}), Offsets(scroll, kStart + 5, 4));
    const StripCopy part = scroll.Visible();
    EXPECT_EQ(8, part.stripX);
    EXPECT_EQ(kBandLeft, part.x);
    EXPECT_EQ(kBandWidth, part.width);

    // Shown again: back to the start, and the pause counts from now.
    scroll.Restart(kStart + 20);
    EXPECT_EQ((std::vector<int>{0, 0}), Offsets(scroll, kStart + 24, 2));
}

TEST(TickerScroll, LastOffsetBeforeTheWrapThenReentryFromTheRight) {
    for (const int width : {211, 212}) {
        SCOPED_TRACE(width);
        CTickerScroll scroll;
        scroll.SetText(width, kStart);
        while (scroll.Offset() < 208)
            scroll.Advance(kStart + 5);
        // The largest even offset not above the width is drawn last, with what is left.
        EXPECT_EQ(208, scroll.Offset());
        scroll.Advance(kStart + 5);
        EXPECT_EQ(210, scroll.Offset());
        EXPECT_EQ(width - 210, scroll.Visible().width);
        scroll.Advance(kStart + 5);
        if (width == 212) {
            EXPECT_EQ(212, scroll.Offset());
            EXPECT_EQ(0, scroll.Visible().width);
            scroll.Advance(kStart + 5);
        }
        // Re-entry: nothing yet at the band's right edge, then growing leftwards.
        EXPECT_EQ(-210, scroll.Offset());
        EXPECT_EQ(220, scroll.Visible().x);
        EXPECT_EQ(0, scroll.Visible().width);
        scroll.Advance(kStart + 5);
        EXPECT_EQ(218, scroll.Visible().x);
        EXPECT_EQ(2, scroll.Visible().width);
        EXPECT_EQ(0, scroll.Visible().stripX);
        // It runs on through 0 without a second pause.
        while (scroll.Offset() < 0)
            scroll.Advance(kStart + 5);
        scroll.Advance(kStart + 5);
        EXPECT_EQ(2, scroll.Offset());
    }
}

TEST(TickerScroll, ATextNoWiderThanTheBandStandsLeftAligned) {
    CTickerScroll scroll;
    scroll.SetText(210, kStart);
    EXPECT_FALSE(scroll.Moves());
    scroll.SetText(100, kStart);
    EXPECT_FALSE(scroll.Moves());
    const StripCopy part = scroll.Visible();
    EXPECT_EQ(0, part.stripX);
    EXPECT_EQ(kBandLeft, part.x);
    EXPECT_EQ(100, part.width); // the rest of the band stays white
}

} // namespace
