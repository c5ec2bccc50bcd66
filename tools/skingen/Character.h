// The character on the right of the window: a round, soft two-tier rice-cake figure wearing
// headphones, sitting on the base of the panel. Its outer contour is the window outline itself;
// only where it borders the panel does it draw its own edge.
#pragma once

#include "tools/skingen/Colour.h"
#include "tools/skingen/Geometry.h"

namespace skingen {

// What changes when the figure is drawn small, as on the program icon: the width of its edge
// lines and the size of its face grow (in window pixels), and only the head is drawn.
struct FigureDetail {
    double lineWidth = 1.3;
    double faceScale = 1.0;
    bool headOnly = false;
};

// Signed distances from a point to the window outline (negative inside): exact, and blurred for
// lines that run parallel to it.
struct OutlineDistance {
    double exact, smooth;
};

// Whether `p` lies on the figure and, if so, its colour there. The caller paints the outline's
// own edge line over the result.
bool PaintCharacter(Vec2 p, OutlineDistance outline, const FigureDetail& detail, Rgb* colour);

// How much of the figure's shadow falls on the base at `p`, 0 to 1.
double CharacterShadow(Vec2 p);

} // namespace skingen
