// Reading the title ticker back from the screen in tests: its digits, its band, and a line of
// text as the ticker's font draws it.
#pragma once

#include "tests/support/Pixels.h"

#include <windows.h>

#include <string>

// The ticker window's 230 x 80 pixels, as shown.
CPixels TickerPixels(HWND ticker);
// What the eight digit cells and the colon of `window` show, as "001059:59"; '?' for a cell
// that holds no glyph of IDB_DIGITS.
std::string DigitsShown(const CPixels& window);
// The text band (210 x 18 from (10, 31)) of `window`.
CPixels BandOf(const CPixels& window);
// The band as it shows `text` moved left by `offset` pixels: black on white, in the ticker's
// font (18 pixels, bold, "ＭＳ Ｐゴシック").
CPixels BandShowing(const std::string& text, int offset = 0);
// A title that makes the line "　：　<title>" exactly `width` pixels wide in the ticker's font,
// of two ASCII letters repeated; empty when none is found.
std::string TitleForLineWidth(int width);
