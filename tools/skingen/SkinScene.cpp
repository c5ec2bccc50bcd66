#include "tools/skingen/SkinScene.h"

#include "tools/skingen/Character.h"

#include <cmath>

namespace skingen {
namespace {

// Samples per pixel along each axis: edges of the drawn shapes come out smooth, while the
// outline and the button regions stay exact because they are tested per whole pixel.
constexpr int kWindowSamples = 4;
constexpr int kIconSamples = 8;

const Rgb kPanelTop{255, 238, 243}, kPanelBottom{249, 214, 227};
const Rgb kPanelLight{255, 252, 253}, kPanelShade{233, 190, 207};
const Rgb kGroove{226, 180, 198}, kShadow{228, 178, 198};
const Rgb kGrille{206, 150, 172};

// The light comes from the upper left: an edge is lit when the outside is nearer that way.
const Vec2 kTowardsLight{-1.2, -1.2};
constexpr double kEdgeLine = 1.15;
// Farther than anything is drawn from the outline (the character's headband lies deepest).
constexpr double kOutlineReach = 12;

// Inside a heart of about 30 pixels across centred on `centre`.
bool InHeart(Vec2 p, Vec2 centre) {
    const double x = (p.x - centre.x) / 14, y = -(p.y - centre.y) / 14 + 0.15;
    const double a = x * x + y * y - 1;
    return a * a * a - x * x * y * y * y <= 0;
}

// A speaker grille of small holes in the shape of a heart, on the base right of the keys.
double GrilleHole(Vec2 p) {
    const Vec2 centre{192, 178};
    if (Length(p - centre) > 22) return 1;
    const double pitch = 4.6, rowPitch = pitch * 0.866;
    const double row = std::round((p.y - centre.y) / rowPitch);
    const double shift = std::fmod(std::abs(row), 2.0) * pitch / 2;
    const double col = std::round((p.x - centre.x - shift) / pitch);
    const Vec2 hole{centre.x + shift + col * pitch, centre.y + row * rowPitch};
    if (!InHeart(hole, centre)) return 1;
    return Circle(p, hole, 1.45);
}

// The mean of `n` summed samples, rounded to whole components.
Rgb8 Average(Rgb sum, double n) {
    auto channel = [n](double v) { return static_cast<std::uint8_t>(std::lround(v / n)); };
    return {channel(sum.r), channel(sum.g), channel(sum.b)};
}

FigureDetail IconDetail(int size) {
    // Lines a little under one icon pixel wide, and a face large enough to read at 16 pixels.
    const double windowPixelsPerIconPixel = 100.0 / size;
    return {std::max(1.3, 0.7 * windowPixelsPerIconPixel), std::clamp(22.0 / size, 1.0, 1.4), true};
}

} // namespace

SkinScene::SkinScene()
    : m_outline(mainwnd::WindowOutline(), kWindowWidth, kWindowHeight),
      m_smoothOutline(m_outline, kWindowWidth, kWindowHeight, kOutlineReach) {
    for (int i = 0; i < mainwnd::BUTTON_COUNT; ++i) {
        m_buttons.emplace_back(mainwnd::ButtonRegion(i), kWindowWidth, kWindowHeight);
        m_buttonBounds.push_back(mainwnd::BoundsOf(mainwnd::ButtonRegion(i)));
    }
}

Rgb SkinScene::PanelColour(Vec2 p, double edge, double edgeAbove) const {
    Rgb c = Mix(kPanelTop, kPanelBottom, Ramp(p.y, 40, 204));
    const double inset = -edge;
    if (inset < 3.2)
        c = Mix(c, edgeAbove > edge ? kPanelLight : kPanelShade, Ramp(inset, 3.2, 1.6));
    const double hole = GrilleHole(p);
    if (hole < 0)
        c = Mix(kGrille, kPanelShade, Ramp(-hole, 0, 1.2));
    else if (GrilleHole(p - Vec2{0, 1}) < 0)
        c = Mix(c, kPanelLight, 0.8);
    return Mix(c, kShadow, CharacterShadow(p));
}

bool SkinScene::PaintKeys(const KeyLooks& looks, Vec2 p, Rgb* colour) const {
    constexpr double kGrooveWidth = 2.0;
    for (int i = 0; i < mainwnd::BUTTON_COUNT; ++i) {
        // Pixel (x, y) covers up to x + 1 and y + 1.
        const mainwnd::RunBounds& b = m_buttonBounds[i];
        if (p.x < b.left - kGrooveWidth || p.x > b.right + 1 + kGrooveWidth ||
            p.y < b.top - kGrooveWidth || p.y > b.bottom + 1 + kGrooveWidth)
            continue;
        const double d = m_buttons[i].SignedDistance(p.x, p.y, 4);
        if (d < 0) {
            const Vec2 q = p + kTowardsLight;
            *colour = PaintKey(i, looks[i], p, d, m_buttons[i].SignedDistance(q.x, q.y, 4));
            return true;
        }
        if (d < kGrooveWidth) {
            *colour = Mix(kGroove, *colour, Ramp(d, 1.0, kGrooveWidth));
            return true;
        }
    }
    return false;
}

Rgb SkinScene::Sample(const KeyLooks& looks, Vec2 p) const {
    const double edge = m_outline.SignedDistance(p.x, p.y, kOutlineReach);
    const Vec2 q = p + kTowardsLight;
    Rgb c = PanelColour(p, edge, m_outline.SignedDistance(q.x, q.y, kOutlineReach));
    if (!PaintCharacter(p, {edge, m_smoothOutline.At(p.x, p.y)}, FigureDetail{}, &c))
        PaintKeys(looks, p, &c);
    return -edge < kEdgeLine ? kInk : c;
}

TrueColourImage SkinScene::Render(const KeyLooks& looks, PixelRect area) const {
    TrueColourImage image;
    image.width = area.width;
    image.height = area.height;
    for (int y = area.y; y < area.y + area.height; ++y) {
        for (int x = area.x; x < area.x + area.width; ++x) {
            const bool inside = m_outline.Has(x, y);
            image.isKey.push_back(inside ? 0 : 1);
            if (!inside) {
                image.pixels.push_back(kKeyColour);
                continue;
            }
            Rgb sum{0, 0, 0};
            for (int sy = 0; sy < kWindowSamples; ++sy)
                for (int sx = 0; sx < kWindowSamples; ++sx) {
                    const Rgb c = Sample(
                        looks, {x + (sx + 0.5) / kWindowSamples, y + (sy + 0.5) / kWindowSamples});
                    sum = sum + c;
                }
            image.pixels.push_back(Average(sum, kWindowSamples * kWindowSamples));
        }
    }
    return image;
}

IconImage SkinScene::RenderIcon(int size) const {
    // A square around the head and its headphones.
    const Vec2 origin{126, -19};
    const double side = 100;
    const FigureDetail detail = IconDetail(size);
    IconImage icon;
    icon.size = size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb sum{0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < kIconSamples; ++sy)
                for (int sx = 0; sx < kIconSamples; ++sx) {
                    const Vec2 p = origin + Vec2{x + (sx + 0.5) / kIconSamples,
                                                 y + (sy + 0.5) / kIconSamples} *
                                                (side / size);
                    const double edge = m_outline.SignedDistance(p.x, p.y, kOutlineReach);
                    Rgb c{0, 0, 0};
                    if (!PaintCharacter(p, {edge, m_smoothOutline.At(p.x, p.y)}, detail, &c))
                        continue;
                    if (-edge < detail.lineWidth) c = kInk;
                    sum = sum + c;
                    ++covered;
                }
            if (covered == 0) {
                icon.pixels.push_back({0, 0, 0, 0});
                continue;
            }
            const Rgb8 c = Average(sum, covered);
            const int all = kIconSamples * kIconSamples;
            icon.pixels.push_back(
                {c.r, c.g, c.b, static_cast<std::uint8_t>((covered * 255 + all / 2) / all)});
        }
    }
    return icon;
}

} // namespace skingen
