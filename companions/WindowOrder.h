// Keeping a companion window right behind the window it belongs to in the window order, as an
// owned window moves with its owner, for a companion that has no owner.
#pragma once

#include <windows.h>

// Whether `leader` stands at the top of its band (topmost or not), counting only visible
// windows and leaving out its own owned windows and `companion`.
bool IsFirstInItsBand(HWND leader, HWND companion);

// Puts `companion` into `leader`'s band right behind it, without activating either. When the
// leader is first in its band, both are raised, the companion first: Wine restacks its X
// windows only for a window that comes to the top, so that is the order that shows there too.
// Raising the leader sends it WM_WINDOWPOSCHANGED; a caller that answers that by calling this
// guards against coming back in.
void StandBehind(HWND companion, HWND leader);
