#include "tools/skingen/KeyArt.h"

#include "mainwnd/RunTables.h"

namespace skingen {
namespace {

struct KeyStyle {
    Rgb faceTop, faceBottom; // face gradient, top to bottom
    Rgb rim;                 // the one-pixel border
    Rgb litEdge;             // just inside the border where it faces the light
    Rgb shadedEdge;          // just inside the border where it faces away
    Rgb symbol;
    bool pressed; // symbol one pixel lower, light and shade swapped
};

const Rgb kPaleTop{255, 255, 255}, kPaleBottom{220, 229, 243};
const Rgb kLitTop{214, 238, 255}, kLitBottom{146, 201, 247};
const Rgb kBlue{52, 112, 222}, kDarkBlue{22, 52, 146}, kOrange{246, 132, 24}, kRed{228, 38, 62};

// One line per look, in the order of KeyLook. Lit keys share their face with the paused key.
// clang-format off
const KeyStyle kStyles[] = {
    // face top       face bottom      rim              lit edge         shaded edge      symbol     pressed
    {kPaleTop,        kPaleBottom,     {122, 140, 182}, {255, 255, 255}, {196, 207, 228}, kBlue,     false},
    {{196, 206, 226}, {232, 238, 248}, {84, 100, 144},  {228, 234, 246}, {166, 178, 206}, kOrange,   true},
    {kLitTop,         kLitBottom,      {58, 118, 196},  {240, 250, 255}, {118, 176, 232}, kDarkBlue, false},
    {{126, 184, 238}, {184, 224, 255}, {40, 90, 164},   {170, 214, 250}, {98, 156, 218},  kOrange,   true},
    {kLitTop,         kLitBottom,      {58, 118, 196},  {240, 250, 255}, {118, 176, 232}, kRed,      false},
};
// clang-format on
static_assert(sizeof kStyles / sizeof kStyles[0] == static_cast<int>(KeyLook::Paused) + 1);

// Two triangles side by side pointing the way `dir` says (+1 right, -1 left), centred on `c`.
double DoubleArrow(Vec2 p, Vec2 c, double dir) {
    const double h = 6.5, w = 8.5;
    auto arrow = [&](double baseX) {
        return RoundedTriangle(p, {c.x + dir * baseX, c.y - h}, {c.x + dir * baseX, c.y + h},
                               {c.x + dir * (baseX + w), c.y}, 1.2);
    };
    return Union(arrow(-w), arrow(0));
}

// Signed distance to the symbol of an idle key.
double Symbol(int index, Vec2 p) {
    switch (index) {
    case mainwnd::BUTTON_PLAYPAUSE: {
        const Vec2 c{66, 73};
        const double play =
            RoundedTriangle(p, {c.x - 14, c.y - 7.5}, {c.x - 14, c.y + 7.5}, {c.x - 1, c.y}, 1.4);
        const double bar1 = RoundedBox(p, {c.x + 6, c.y}, {2.4, 8.8}, 1.4);
        const double bar2 = RoundedBox(p, {c.x + 13, c.y}, {2.4, 8.8}, 1.4);
        return Union(play, Union(bar1, bar2));
    }
    case mainwnd::BUTTON_STOP:
        return RoundedBox(p, {55.5, 104.5}, {6.5, 6.5}, 1.8);
    case mainwnd::BUTTON_PREV:
        return DoubleArrow(p, {35.5, 132}, -1);
    case mainwnd::BUTTON_NEXT:
        return DoubleArrow(p, {80.5, 132}, +1);
    case mainwnd::BUTTON_TICKER: {
        const Vec2 c{30, 165};
        return Union(Circle(p, {c.x, c.y - 8}, 2.6),
                     Capsule(p, {c.x, c.y - 2.5}, {c.x, c.y + 8}, 2.3));
    }
    case mainwnd::BUTTON_PLAYLIST: {
        const Vec2 c{67, 165};
        return Union(Capsule(p, {c.x - 4, c.y - 8}, {c.x - 4, c.y + 7.5}, 2.3),
                     Capsule(p, {c.x - 4, c.y + 7.5}, {c.x + 6, c.y + 7.5}, 2.3));
    }
    case mainwnd::BUTTON_EXIT: {
        const Vec2 c{106, 165};
        const double r = 4.6;
        return Union(Ring(p, c, 10.2, 2.6),
                     Union(Capsule(p, {c.x - r, c.y - r}, {c.x + r, c.y + r}, 1.4),
                           Capsule(p, {c.x - r, c.y + r}, {c.x + r, c.y - r}, 1.4)));
    }
    }
    return 1e9;
}

// Vertical extent of each key's region, for the face gradient.
struct Span {
    double top, bottom;
};
constexpr Span kSpans[mainwnd::BUTTON_COUNT] = {{50, 91},   {94, 115},  {119, 145}, {119, 145},
                                                {149, 181}, {149, 181}, {149, 181}};

} // namespace

Rgb PaintKey(int index, KeyLook look, Vec2 p, double edge, double edgeAbove) {
    const KeyStyle& s = kStyles[static_cast<int>(look)];
    const double inset = -edge;
    if (inset < 1.0) return s.rim;

    const Span span = kSpans[index];
    Rgb c = Mix(s.faceTop, s.faceBottom, Ramp(p.y, span.top, span.bottom));
    // Near the border: light on edges that face up and left, shade on the others; a pressed key
    // is sunk, so the light falls the other way.
    if (inset < (s.pressed ? 3.0 : 2.2)) {
        const bool facesLight = edgeAbove > edge;
        const Rgb edgeColour = facesLight != s.pressed ? s.litEdge : s.shadedEdge;
        c = Mix(c, edgeColour, s.pressed ? Ramp(inset, 3.0, 1.0) : 1.0);
    }

    const Vec2 q = s.pressed ? Vec2{p.x, p.y - 1} : p;
    const double symbol = Symbol(index, q);
    if (symbol < 0) return s.symbol;
    // An idle symbol is pressed into the face: a lighter line under its lower edges.
    if (!s.pressed && Symbol(index, {q.x, q.y - 1}) < 0) return Mix(c, {255, 255, 255}, 0.8);
    return c;
}

} // namespace skingen
