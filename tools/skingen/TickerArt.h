// The title ticker's two bitmaps, in the player's style: the speech balloon (white, with the
// skin's ink outline, a small caption "♪No." at the left of the top row, the boxes behind the
// track number and the time, the text band) and the digit glyphs that fill those boxes.
#pragma once

#include "tools/skingen/BmpFile.h"

#include <vector>

namespace skingen {

struct NamedBitmap {
    const char* fileName;
    IndexedImage image;
};

// "ticker.bmp" (230 x 80, key colour outside the balloon's outline) and "digits.bmp"
// (176 x 17: digit d at x 2 + 16 d, the colon at x 165), in one palette of their own, so the
// glyphs' background is exactly the boxes' colour.
std::vector<NamedBitmap> DrawTickerBitmaps();

} // namespace skingen
