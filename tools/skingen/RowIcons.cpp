#include "tools/skingen/RowIcons.h"

#include <functional>

namespace skingen {
namespace {

constexpr int kSize = 16;
// The shadow falls one pixel to the right and one down.
constexpr int kShadowOffset = 1;

// Paints `inside` in `colour` over its shadow; every other pixel stays fully transparent.
IconImage Mark(const std::function<bool(int x, int y)>& inside, Rgba8 colour) {
    IconImage icon;
    icon.size = kSize;
    icon.pixels.assign(kSize * kSize, Rgba8{0, 0, 0, 0});
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            Rgba8& pixel = icon.pixels[static_cast<size_t>(y) * kSize + x];
            if (inside(x, y))
                pixel = colour;
            else if (inside(x - kShadowOffset, y - kShadowOffset))
                pixel = kRowShadow;
        }
    return icon;
}

} // namespace

IconImage RowIcon() {
    return Mark(
        [](int x, int y) {
            const bool bars = (x >= 4 && x <= 6) || (x >= 9 && x <= 11);
            return bars && y >= 2 && y <= 12;
        },
        kRowGreen);
}

IconImage CurrentRowIcon() {
    // Left edge x = 4 from y = 2 to 12; the tip at (11, 7). A pixel belongs when its centre
    // lies inside.
    return Mark(
        [](int x, int y) {
            if (x < 4 || x > 11 || y < 2 || y > 12) return false;
            const double half = 5.5 * (1.0 - (x + 0.5 - 4.0) / 8.0); // half height at this x
            return y + 0.5 >= 7.5 - half && y + 0.5 <= 7.5 + half;
        },
        kRowRed);
}

} // namespace skingen
