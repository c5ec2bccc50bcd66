// A window region from a run table (framework/RunTable.h).
#pragma once

#include "framework/RunTable.h"

#include <windows.h>

namespace fw {

// One rectangle per run, handed to ExtCreateRegion: the region holds exactly the table's pixels
// on every system, whatever its polygon fill rules do with edges that fall on pixel boundaries.
// Owned by the caller until SetWindowRgn takes it; null when the region cannot be created.
HRGN CreateRunRegion(RunTable table);

// Hands `region` to `window` (SetWindowRgn, which then owns it and deletes it with the window);
// deleted here when the window refuses it. Null does nothing.
void GiveWindowRegion(HWND window, HRGN region);
// The window's outline from a run table.
void ApplyRunRegion(HWND window, RunTable table);

} // namespace fw
