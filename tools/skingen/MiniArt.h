// The mini window's bitmap: the player's character, small, filling the mini window's outline,
// on the key colour that the window's region cuts away.
#pragma once

#include "tools/skingen/BmpFile.h"

namespace skingen {

// "mini.bmp", 70 x 100: every pixel inside the outline painted (none of them in the key colour),
// every pixel outside it the key colour; a palette of its own.
IndexedImage DrawMiniBitmap();

} // namespace skingen
