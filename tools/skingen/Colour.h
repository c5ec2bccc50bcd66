// Colours while painting: components 0 to 255 as doubles, so that blends and the averaging of
// samples keep their precision until the palette is chosen.
#pragma once

#include <algorithm>

namespace skingen {

struct Rgb {
    double r, g, b;
};

// The one line colour of the skin: the window's edge and the character's contours.
const Rgb kInk{96, 68, 84};

inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

inline Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// 0 at `from`, 1 at `to`, clamped: for gradients and soft edges.
inline double Ramp(double v, double from, double to) {
    return std::clamp((v - from) / (to - from), 0.0, 1.0);
}

} // namespace skingen
