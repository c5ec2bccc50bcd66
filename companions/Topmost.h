// The always-on-top switch, as the main window and the mini window put it into effect on
// themselves.
#pragma once

#include <windows.h>

// Hides the window, then shows it topmost without a taskbar button (flag non-zero), or not
// topmost with a taskbar button titled "ぴこもちＭＰ３プレーヤー" (flag zero), in its place.
void ApplyTopmost(HWND hwnd, int nTopmost);
