#include "tools/skingen/Character.h"

#include <cmath>

namespace skingen {
namespace {

const Rgb kMochi{255, 252, 247}, kMochiShade{236, 222, 224}, kShine{255, 255, 255};
const Rgb kPhones{255, 150, 184}, kPhonesDark{226, 98, 142}, kPhonesLight{255, 214, 228};
const Rgb kBlush{255, 160, 186}, kNote{244, 128, 168};

// The parts, each as a signed distance in window pixels.
double Head(Vec2 p) {
    return Ellipse(p, {176, 30}, 46, 31);
}
double LeftCup(Vec2 p) {
    return Ellipse(p, {138, 46}, 9.5, 13);
}
double RightCup(Vec2 p) {
    return Ellipse(p, {214, 46}, 9.5, 13);
}
// The lower tier hugs the keys on its left at a steady gap and fills the outline on its right.
double Body(Vec2 p) {
    return SmoothUnion(SkewedEllipse(p, {150, 105}, 51, 82, 51, 45), Ellipse(p, {176, 80}, 56, 40),
                       6);
}
double LeftFoot(Vec2 p) {
    return Ellipse(p, {134, 148}, 8.5, 5.5);
}
double RightFoot(Vec2 p) {
    return Ellipse(p, {168, 150.5}, 8.5, 5);
}

// Two beamed eighth notes on the tummy.
double Notes(Vec2 p) {
    const double head1 = Ellipse(Rotate(p, {159, 118}, 20), {159, 118}, 3.6, 2.6);
    const double head2 = Ellipse(Rotate(p, {173, 115}, 20), {173, 115}, 3.6, 2.6);
    const double stem1 = Capsule(p, {162.2, 117}, {162.2, 103}, 0.8);
    const double stem2 = Capsule(p, {176.2, 114}, {176.2, 100}, 0.8);
    const double beam = Capsule(p, {162.2, 103.5}, {176.2, 100.5}, 1.7);
    return Union(Union(head1, head2), Union(Union(stem1, stem2), beam));
}

// Soft white rice cake: shaded towards its edge, more on the lower right, away from the light.
Rgb MochiColour(Vec2 p, double depth, Vec2 centre) {
    const double lowerRight = Ramp((p.x - centre.x) * 0.45 + (p.y - centre.y) * 0.9, -25, 40);
    return Mix(kMochi, kMochiShade, Ramp(depth, 12, 0) * (0.3 + 0.7 * lowerRight));
}

// A soft highlight, an ellipse tilted by `angle` degrees.
Rgb WithShine(Rgb c, Vec2 p, Vec2 shine, double angle) {
    const double s = Ellipse(Rotate(p, shine, angle), shine, 9, 3.6);
    return Mix(c, kShine, Ramp(-s, 0, 2.5));
}

// A part with an edge line drawn just inside its contour, so the line belongs to the figure.
bool Outlined(double d, const FigureDetail& detail, Rgb fill, Rgb* colour) {
    if (d >= 0) return false;
    *colour = -d < detail.lineWidth ? kInk : fill;
    return true;
}

Rgb CupColour(Vec2 p, Vec2 centre) {
    Rgb c = Mix(kPhones, kPhonesDark, Ramp(p.y, centre.y - 4, centre.y + 13));
    const double shine = Ellipse(p, {centre.x - 2, centre.y - 6}, 3, 4.5);
    return Mix(c, kPhonesLight, Ramp(-shine, 0, 1.5));
}

void PaintFace(Vec2 p, const FigureDetail& detail, Rgb* colour) {
    const double k = detail.faceScale;
    for (const double side : {-1.0, 1.0}) {
        // A larger face sits a little lower, its cheeks and mouth too.
        const Vec2 cheek{176 + side * 25, 41 + 2.4 * (k - 1)};
        const double blush = Ellipse(p, cheek, 6.5 * std::sqrt(k), 3.6 * std::sqrt(k));
        *colour = Mix(*colour, kBlush, 0.9 * Ramp(-blush, 0, 2.5));

        const Vec2 eye{176 + side * (13 + 2 * (k - 1)), 33};
        if (Ellipse(p, eye, 3.2 * k, 4.4 * k) < 0) {
            // At the smallest sizes a glint would only grey the eye.
            const double glint = Circle(p, {eye.x - 1.0 * k, eye.y - 1.7 * k}, 1.25 * k);
            *colour = glint < 0 && k < 1.8 ? kShine : kInk;
        }
        // Half of the little "w" mouth.
        const Vec2 arc{176 + side * 3 * k, 37.5 + 1.5 * (k - 1)};
        if (p.y > arc.y && std::abs(Circle(p, arc, 2.9 * k)) < 0.35 + 0.35 * detail.lineWidth)
            *colour = kInk;
    }
}

// The headband follows the top of the head a few pixels inside the outline.
bool PaintHeadband(Vec2 p, OutlineDistance outline, const FigureDetail& detail, Rgb* colour) {
    const double inset = -outline.smooth;
    const double band = std::abs(inset - 4.6) - 2.2;
    if (band >= 0 || p.y > 40) return false;
    *colour = -band < 0.45 * detail.lineWidth ? kPhonesDark
                                              : Mix(kPhonesLight, kPhones, Ramp(inset, 3, 6));
    return true;
}

// The big tier with its notes and feet, under the head.
void PaintLowerTier(Vec2 p, double outlineEdge, double head, const FigureDetail& detail,
                    Rgb* colour, bool* on) {
    const double body = Body(p);
    if (body < 0) {
        Rgb c =
            WithShine(MochiColour(p, std::min(-body, -outlineEdge), {166, 98}), p, {133, 82}, -35);
        // The head's soft shadow just below it.
        c = Mix(c, kMochiShade, 0.8 * Ramp(head, 5, 0.5));
        *on = Outlined(body, detail, c, colour);
        if (Notes(p) < 0) *colour = kNote;
    }
    for (double foot : {LeftFoot(p), RightFoot(p)})
        if (Outlined(foot, detail, MochiColour(p, -foot, {150, 140}), colour)) *on = true;
}

} // namespace

double CharacterShadow(Vec2 p) {
    return 0.55 * Ramp(-Ellipse(p, {156, 151}, 60, 7), 0, 5);
}

bool PaintCharacter(Vec2 p, OutlineDistance outline, const FigureDetail& detail, Rgb* colour) {
    const double outlineEdge = outline.exact;
    if (outlineEdge >= 0) return false;
    bool on = false;
    const double head = Head(p);
    if (!detail.headOnly) PaintLowerTier(p, outlineEdge, head, detail, colour, &on);
    if (Outlined(
            head, detail,
            WithShine(MochiColour(p, std::min(-head, -outlineEdge), {176, 26}), p, {154, 13}, -30),
            colour)) {
        on = true;
        PaintFace(p, detail, colour);
        PaintHeadband(p, outline, detail, colour);
    }
    for (const auto& [cup, centre] :
         {std::pair{LeftCup(p), Vec2{138, 46}}, {RightCup(p), Vec2{214, 46}}})
        if (Outlined(cup, detail, CupColour(p, centre), colour)) on = true;
    return on;
}

} // namespace skingen
