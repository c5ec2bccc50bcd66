// The main window's outline and the hit regions of its seven buttons, held as tables of
// one-pixel-high runs in window pixels (x to the right, y downwards). Platform-free.
#pragma once

#include "framework/RunTable.h"

namespace mainwnd {

// Button indices, in the order the hit test tries them.
enum : int {
    BUTTON_PLAYPAUSE = 0,
    BUTTON_STOP = 1,
    BUTTON_PREV = 2,
    BUTTON_NEXT = 3,
    BUTTON_TICKER = 4,
    BUTTON_PLAYLIST = 5,
    BUTTON_EXIT = 6,
};
constexpr int BUTTON_COUNT = 7;
constexpr int NO_BUTTON = -1;

using fw::BoundsOf;
using fw::ExpandRuns;
using fw::Run;
using fw::RunBounds;
using fw::RunRows;
using fw::RunTable;

RunTable WindowOutline();
// `index` 0 to BUTTON_COUNT - 1.
RunTable ButtonRegion(int index);

bool IsInsideOutline(int x, int y);
// Index of the first button region that holds the pixel, or NO_BUTTON.
int HitButton(int x, int y);

} // namespace mainwnd
