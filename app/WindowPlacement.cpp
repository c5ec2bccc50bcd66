#include "app/WindowPlacement.h"

#include <algorithm>
#include <cstdint>

namespace {

bool ShowsEnough(const CScreenRect& window, const CScreenRect& area) {
    const int width = std::min(window.right, area.right) - std::max(window.left, area.left);
    const int height = std::min(window.bottom, area.bottom) - std::max(window.top, area.top);
    return width >= kReachableSize && height >= kReachableSize;
}

// How far apart the two rectangles are (0 when they overlap), squared.
std::int64_t GapSquared(const CScreenRect& a, const CScreenRect& b) {
    const std::int64_t dx = std::max({0, b.left - a.right, a.left - b.right});
    const std::int64_t dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
    return dx * dx + dy * dy;
}

// The position along one axis nearest to `start` at which [start, start + size) lies within
// [low, high); the low edge wins when it does not fit.
int Clamp(int start, int size, int low, int high) {
    return std::max(low, std::min(start, high - size));
}

} // namespace

CScreenRect PlaceWithinReach(CScreenRect window, const std::vector<CScreenRect>& workAreas) {
    if (workAreas.empty()) return window;
    for (const CScreenRect& area : workAreas) {
        if (ShowsEnough(window, area)) return window;
    }
    const CScreenRect& nearest = *std::min_element(
        workAreas.begin(), workAreas.end(), [&window](const CScreenRect& a, const CScreenRect& b) {
            return GapSquared(window, a) < GapSquared(window, b);
        });
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = Clamp(window.left, width, nearest.left, nearest.right);
    const int top = Clamp(window.top, height, nearest.top, nearest.bottom);
    return {left, top, left + width, top + height};
}
