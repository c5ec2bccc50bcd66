// The seven keys of the button panel: their faces in each look and their symbols.
#pragma once

#include "tools/skingen/Colour.h"
#include "tools/skingen/Geometry.h"

namespace skingen {

// How a key is shown. The background has every key idle; each state image has every key in one
// look, except the paused image, which holds the play/pause key alone.
enum class KeyLook { Idle, Pressed, Lit, PressedLit, Paused };

// The colour of the point `p` of key `index` (0 to 6). `edge` is the signed distance from `p` to
// the edge of the key's region (negative inside), `edgeAbove` the same taken a little above and
// to the left of `p`, which tells edges facing the light from edges facing away.
Rgb PaintKey(int index, KeyLook look, Vec2 p, double edge, double edgeAbove);

} // namespace skingen
