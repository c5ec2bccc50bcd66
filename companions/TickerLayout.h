// The title ticker's fixed layout in window pixels (x to the right, y downwards, from the
// window's top-left corner): the balloon's outline as a table of one-pixel-high runs, the glyph
// cells of the track number and the elapsed time, and the text band. Platform-free.
#pragma once

#include "framework/RunTable.h"

#include <array>

namespace ticker {

// The skin bitmap, and so the window.
constexpr int kWidth = 230;
constexpr int kHeight = 80;

// Digit glyphs: 13 x 17 pixels each, digit d at x = 2 + 16 d of the glyph bitmap, the colon
// (6 x 17) at x 165; drawn with their tops at y 10 of the window.
constexpr int kGlyphWidth = 13;
constexpr int kGlyphHeight = 17;
constexpr int kColonWidth = 6;
constexpr int kColonGlyphX = 165;
constexpr int kDigitsTop = 10;
constexpr int kDigitsBitmapWidth = 176;

// The band the artist and title scroll through.
constexpr int kBandLeft = 10;
constexpr int kBandTop = 31;
constexpr int kBandWidth = 210;
constexpr int kBandHeight = 18;
// The text strip is cut at this width, the largest coordinate that every version of the
// system's drawing functions takes (about 27 minutes of scrolling). Two tags of 4094 bytes, as
// long as the INI file keeps them, make a line of up to some 70,000 pixels in full-width text.
constexpr int kMaxStripWidth = 32767;

// The balloon's outline, in ascending rows: one run per row from row 1 to row 78.
fw::RunTable BalloonRuns();

// One glyph copied from the glyph bitmap into the window's top row.
struct GlyphCopy {
    int glyphX; // left edge in the glyph bitmap (top at 0)
    int x;      // left edge in the window (top at kDigitsTop)
    int width;
};
// The nine copies that show entry `index` (0-based; -1 for none) as a three-digit number and
// `elapsedSec` as minutes:seconds: "%3.3d" of index + 1, "%3.3d" of the minutes, the colon,
// "%2.2d" of the seconds, each cut to its cells (the minutes of 60000 seconds show as "100").
// Negative numbers show as 0.
std::array<GlyphCopy, 9> DigitCopies(int index, int elapsedSec);

} // namespace ticker
