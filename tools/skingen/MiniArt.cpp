#include "tools/skingen/MiniArt.h"

#include "companions/MiniShape.h"
#include "tools/skingen/Colour.h"
#include "tools/skingen/Geometry.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/PixelMask.h"
#include "tools/skingen/SkinScene.h"

#include <cmath>

namespace skingen {
namespace {

constexpr int kSamples = 4;
constexpr double kReach = 8;      // how far from the outline distances are looked for
constexpr double kEdgeLine = 1.2; // the ink line along the outline

// The character's colours, as on the main window.
const Rgb kMochi{255, 252, 247}, kMochiShade{236, 222, 224};
const Rgb kPhones{255, 150, 184}, kPhonesDark{226, 98, 142};
const Rgb kBlush{255, 160, 186}, kFeet{250, 236, 238};

// The figure in the outline's own pixels: a small upper tier (the head, rows 0 to 28) with the
// headphones' band over it, a large lower tier (the body, 29 to 79) with the cups at its
// shoulders, and the feet below (80 to 99).
Rgb Figure(Vec2 p, double edge) {
    Rgb c =
        Mix(kMochi, kMochiShade, Ramp(p.y + 0.6 * p.x, 60, 150)); // soft light from the top left
    if (p.y >= 80) c = kFeet;
    // Headphones: the band over the head, and a cup on either side where the tiers meet.
    const double band = std::abs(Ellipse(p, {40, 16}, 20, 14)) - 1.6;
    const double cups = Union(Ellipse(p, {15, 33}, 5, 7), Ellipse(p, {63, 34}, 5, 7));
    if (p.y < 26 && band < 0) c = kPhones;
    if (cups < 0) c = cups < -1.2 ? kPhones : kPhonesDark;
    // The face on the lower tier: two eyes, a small smile, pink cheeks.
    if (Union(Ellipse(p, {27, 46}, 2.0, 2.6), Ellipse(p, {44, 46}, 2.0, 2.6)) < 0) c = kInk;
    if (std::abs(Ellipse(p, {35.5, 50}, 3.6, 2.6)) < 0.55 && p.y > 50) c = kInk;
    if (Union(Ellipse(p, {20, 53}, 4, 2.4), Ellipse(p, {51, 53}, 4, 2.4)) < 0) c = kBlush;
    // The line where the tiers meet, and the one between the body and the feet.
    if (std::abs(p.y - 29.5) < 0.6 && p.x > 17 && p.x < 62) c = Mix(c, kInk, 0.6);
    if (std::abs(p.y - 80) < 0.6 && p.x > 29 && p.x < 56) c = Mix(c, kInk, 0.6);
    // The outline's own edge.
    if (-edge < kEdgeLine) c = kInk;
    return c;
}

Rgb8 Average(Rgb sum) {
    auto channel = [](double v) {
        return static_cast<std::uint8_t>(std::lround(v / (kSamples * kSamples)));
    };
    return {channel(sum.r), channel(sum.g), channel(sum.b)};
}

} // namespace

IndexedImage DrawMiniBitmap() {
    const PixelMask figure(mini::FigureRuns(), mini::kWidth, mini::kHeight);
    TrueColourImage image;
    image.width = mini::kWidth;
    image.height = mini::kHeight;
    for (int y = 0; y < mini::kHeight; ++y) {
        for (int x = 0; x < mini::kWidth; ++x) {
            const bool inside = figure.Has(x, y);
            image.isKey.push_back(inside ? 0 : 1);
            if (!inside) {
                image.pixels.push_back(kKeyColour);
                continue;
            }
            Rgb sum{0, 0, 0};
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Vec2 p{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples};
                    sum = sum + Figure(p, figure.SignedDistance(p.x, p.y, kReach));
                }
            }
            image.pixels.push_back(Average(sum));
        }
    }
    const SharedPalette palette({&image}, kKeyColour);
    return palette.Apply(image);
}

} // namespace skingen
