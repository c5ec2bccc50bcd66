// The mini window as the main window has it: made hidden at start, standing in for the main
// window while the player is shrunk, at the main window's bottom-right corner.
#pragma once

#include "companions/MiniDlg.h"
#include "framework/OwnedDialog.h"

#include <windows.h>

class CMini {
public:
    // The hidden window, for `player` and its right-click popup (shared); false when it could not
    // be made (the player then never shrinks).
    bool Create(HWND player, HMENU popupMenu);
    void Destroy() { m_dlg.Destroy(); }
    HWND Window() const { return m_dlg.Window(); }

    // Stands in for `player`: its bottom-right corner on the player's, in the band that
    // `topmost` says, shown and active. False when there is no mini window.
    bool StandIn(HWND player, bool topmost);

private:
    fw::COwnedDialog<CMiniDlg> m_dlg;
};
