// Where the main window starts when its saved position would leave it out of reach (a screen
// that has been unplugged since). Platform-free.
#pragma once

#include <vector>

struct CScreenRect {
    int left, top, right, bottom; // right and bottom exclusive
};

// The window needs at least this much of itself on a screen's work area to be reached (and
// dragged back) by the user.
constexpr int kReachableSize = 32;

// `window` unchanged when at least kReachableSize x kReachableSize pixels of it lie inside one
// of `workAreas`; otherwise moved, keeping its size, to the nearest position at which it lies
// wholly inside the work area nearest to it (as far as it fits).
CScreenRect PlaceWithinReach(CScreenRect window, const std::vector<CScreenRect>& workAreas);
