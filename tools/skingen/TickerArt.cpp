#include "tools/skingen/TickerArt.h"

#include "companions/TickerLayout.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/PixelMask.h"
#include "tools/skingen/SkinScene.h"

#include <cmath>

namespace skingen {
namespace {

constexpr int kSamples = 4;

const Rgb kBalloon{255, 255, 255}, kBalloonShade{252, 226, 236};
const Rgb kBoxFill{236, 243, 253}, kBoxRim{122, 140, 182};
const Rgb kSegmentOn{52, 112, 222}, kSegmentOff{218, 229, 247};
const Rgb kBandRim{240, 196, 214};
const Rgb kCaption{226, 98, 142};

const Vec2 kTowardsLight{-1.2, -1.2};
constexpr double kEdgeLine = 1.15;

// A rectangle of whole pixels, edges inclusive, as the layout gives it.
struct PixelBox {
    int left, top, right, bottom;
};
const PixelBox kNumberBox{100, 10, 138, 26};
// The seconds' last cell ends at column 220, so the time box reaches there too.
const PixelBox kTimeBox{150, 10, 220, 26};
const PixelBox kBand{ticker::kBandLeft, ticker::kBandTop,
                     ticker::kBandLeft + ticker::kBandWidth - 1,
                     ticker::kBandTop + ticker::kBandHeight - 1};

// Signed distance to the box's pixels grown by `grow`, corners rounded by `radius`.
double BoxDistance(Vec2 p, PixelBox b, double grow, double radius) {
    const Vec2 centre{(b.left + b.right + 1) / 2.0, (b.top + b.bottom + 1) / 2.0};
    const Vec2 half{(b.right + 1 - b.left) / 2.0 + grow, (b.bottom + 1 - b.top) / 2.0 + grow};
    return RoundedBox(p, centre, half, radius);
}

// The caption "♪No." at the left of the top row: two beamed notes, then the letters as strokes.
double Caption(Vec2 p) {
    const double head1 = Ellipse(Rotate(p, {17, 22.5}, 20), {17, 22.5}, 3.3, 2.4);
    const double head2 = Ellipse(Rotate(p, {27, 20.5}, 20), {27, 20.5}, 3.3, 2.4);
    const double stems = Union(Capsule(p, {19.9, 21.6}, {19.9, 12.4}, 0.85),
                               Capsule(p, {29.9, 19.6}, {29.9, 10.4}, 0.85));
    const double beam = Capsule(p, {19.9, 12.6}, {29.9, 10.6}, 1.5);
    const double notes = Union(Union(head1, head2), Union(stems, beam));

    const double n = Union(
        Capsule(p, {40, 13}, {40, 23.5}, 1.15),
        Union(Capsule(p, {40, 13}, {47, 23.5}, 1.15), Capsule(p, {47, 23.5}, {47, 13}, 1.15)));
    const double o = Ring(p, {54, 20}, 3.1, 2.3);
    const double dot = Circle(p, {60.5, 23}, 1.35);
    return Union(notes, Union(n, Union(o, dot)));
}

Rgb SampleBalloon(const PixelMask& mask, Vec2 p) {
    const double edge = mask.SignedDistance(p.x, p.y, 8);
    if (-edge < kEdgeLine) return kInk;
    // A soft pink inside the edges that face away from the light.
    const Vec2 q = p + kTowardsLight;
    Rgb c = kBalloon;
    if (mask.SignedDistance(q.x, q.y, 8) <= edge) c = Mix(kBalloonShade, c, Ramp(-edge, 1.5, 4.5));

    // The band: white, in a thin frame just outside it.
    if (BoxDistance(p, kBand, 0, 0) < 0) return kBalloon;
    if (BoxDistance(p, kBand, 1, 1.5) < 0) return kBandRim;
    // The boxes: the glyphs cover them exactly; their frames lie just outside.
    for (const PixelBox& box : {kNumberBox, kTimeBox}) {
        if (BoxDistance(p, box, 0, 0) < 0) return kBoxFill;
        if (BoxDistance(p, box, 1, 2) < 0) return kBoxRim;
    }
    return Caption(p) < 0 ? kCaption : c;
}

// The seven segments of a digit cell, a to g: top, upper right, lower right, bottom, lower left,
// upper left, middle; in cell pixels. Each stroke is two whole pixels wide (columns 2-3 and
// 9-10, rows 2-3, 8-9 and 14-15), so the glyphs stay crisp.
double Segment(Vec2 p, int s) {
    constexpr double left = 3, right = 10, top = 3, middle = 9, bottom = 15, r = 1.05;
    constexpr double gap = 1.0; // between the ends of two segments
    switch (s) {
    case 0:
        return Capsule(p, {left + gap, top}, {right - gap, top}, r);
    case 1:
        return Capsule(p, {right, top + gap}, {right, middle - gap}, r);
    case 2:
        return Capsule(p, {right, middle + gap}, {right, bottom - gap}, r);
    case 3:
        return Capsule(p, {left + gap, bottom}, {right - gap, bottom}, r);
    case 4:
        return Capsule(p, {left, middle + gap}, {left, bottom - gap}, r);
    case 5:
        return Capsule(p, {left, top + gap}, {left, middle - gap}, r);
    default:
        return Capsule(p, {left + gap, middle}, {right - gap, middle}, r);
    }
}

// Segments a to g (bit 0 to 6) lit for each digit.
constexpr int kLit[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

Rgb SampleDigit(int digit, Vec2 p) {
    for (int s = 0; s < 7; ++s) {
        if (Segment(p, s) < 0) return (kLit[digit] >> s & 1) ? kSegmentOn : kSegmentOff;
    }
    return kBoxFill;
}

Rgb SampleColon(Vec2 p) {
    // Two dots of two by two pixels, level with the digits' upper and lower halves.
    const double dots =
        Union(RoundedBox(p, {3, 6}, {1, 1}, 0.45), RoundedBox(p, {3, 12}, {1, 1}, 0.45));
    return dots < 0 ? kSegmentOn : kBoxFill;
}

// Colour of glyph-bitmap point `p`: the cell it lies in, or the boxes' colour between cells.
Rgb SampleGlyphs(Vec2 p) {
    for (int d = 0; d < 10; ++d) {
        const double x = 2 + 16 * d;
        if (p.x >= x && p.x < x + ticker::kGlyphWidth) return SampleDigit(d, {p.x - x, p.y});
    }
    if (p.x >= ticker::kColonGlyphX && p.x < ticker::kColonGlyphX + ticker::kColonWidth)
        return SampleColon({p.x - ticker::kColonGlyphX, p.y});
    return kBoxFill;
}

Rgb8 Average(Rgb sum) {
    auto channel = [](double v) {
        return static_cast<std::uint8_t>(std::lround(v / (kSamples * kSamples)));
    };
    return {channel(sum.r), channel(sum.g), channel(sum.b)};
}

// Every pixel for which `inside` holds is painted from `sample`, the others are key colour.
template <class Inside, class Sample>
TrueColourImage Render(int width, int height, Inside inside, Sample sample) {
    TrueColourImage image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool painted = inside(x, y);
            image.isKey.push_back(painted ? 0 : 1);
            if (!painted) {
                image.pixels.push_back(kKeyColour);
                continue;
            }
            Rgb sum{0, 0, 0};
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    sum = sum + sample(Vec2{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples});
            image.pixels.push_back(Average(sum));
        }
    }
    return image;
}

} // namespace

std::vector<NamedBitmap> DrawTickerBitmaps() {
    const PixelMask balloon(ticker::BalloonRuns(), ticker::kWidth, ticker::kHeight);

    const TrueColourImage skin = Render(
        ticker::kWidth, ticker::kHeight, [&](int x, int y) { return balloon.Has(x, y); },
        [&](Vec2 p) { return SampleBalloon(balloon, p); });
    const TrueColourImage glyphs = Render(
        ticker::kDigitsBitmapWidth, ticker::kGlyphHeight, [](int, int) { return true; },
        [](Vec2 p) { return SampleGlyphs(p); });

    const SharedPalette palette({&skin, &glyphs}, kKeyColour);
    return {{"ticker.bmp", palette.Apply(skin)}, {"digits.bmp", palette.Apply(glyphs)}};
}

} // namespace skingen
