// The mini window's outline: the figure, 70 x 100 pixels, as a table of one-pixel-high runs in
// window pixels (x to the right, y downwards). Platform-free.
#pragma once

#include "framework/RunTable.h"

namespace mini {

// The figure bitmap, and the least the window must be.
constexpr int kWidth = 70;
constexpr int kHeight = 100;

// One run per row from row 0 to row 99, two on row 98 (between the feet).
fw::RunTable FigureRuns();

} // namespace mini
