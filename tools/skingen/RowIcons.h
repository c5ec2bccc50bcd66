// The playlist editor's row marks: 16 x 16 icons of two colours on a transparent background,
// with hard edges, so that the editor's 8-bit image list shows them exactly.
#pragma once

#include "tools/skingen/IconFile.h"

namespace skingen {

// Colours that every 8-bit palette holds (the system's static colours).
constexpr Rgba8 kRowGreen{0, 128, 0, 255};
constexpr Rgba8 kRowRed{255, 0, 0, 255};
constexpr Rgba8 kRowShadow{0, 0, 0, 255};

// An ordinary row: two upright green bars with a black shadow.
IconImage RowIcon();
// The current entry's row: a red triangle pointing right with a black shadow.
IconImage CurrentRowIcon();

} // namespace skingen
