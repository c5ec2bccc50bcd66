// The one way the program shows a popup menu and waits for the choice, so tests can choose.
#pragma once

#include <windows.h>

#include <functional>

namespace fw {

// TrackPopupMenu with TPM_RETURNCMD added: returns the chosen command id, 0 when dismissed.
UINT TrackPopupMenuCommand(HMENU menu, UINT flags, int x, int y, HWND owner);

// Replaces the system's menu tracking for this process (tests); an empty function restores it.
using PopupMenuHandler = std::function<UINT(HMENU menu, UINT flags, int x, int y, HWND owner)>;
// Returns the handler it replaces, so that a scoped replacement can put it back.
PopupMenuHandler SetPopupMenuHandler(PopupMenuHandler handler);

} // namespace fw
