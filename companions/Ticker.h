// The title ticker as the main window has it: made hidden at start, switched on and off by the
// user, standing above the main window and right behind it in the window order, and told the
// current entry and the elapsed time while it is on.
#pragma once

#include "companions/TickerDlg.h"
#include "framework/OwnedDialog.h"
#include "playlist/Playlist.h"

#include <windows.h>

class CTicker {
public:
    // `pfnNow` is the clock in whole seconds.
    explicit CTicker(CTickerDlg::Clock pfnNow) : m_pfnNow(pfnNow) {}

    // The hidden window; false when it could not be made (the player goes without a ticker).
    bool Create();
    void Destroy();
    HWND Window() const { return m_dlg.Window(); }

    // The user has the ticker switched on (it is hidden while the player is shrunk all the same).
    bool IsShown() const { return m_bShown != FALSE; }
    // Switches it on (placed above `player`, shown right behind it, showing `current` and the
    // elapsed seconds as they are now: while off it heard nothing) or off.
    void Toggle(HWND player, const CCurrentEntry& current, int elapsedSec);
    // The entry and time to show while it is on; `forceRefresh` renders the line afresh.
    void TellCurrent(const CCurrentEntry& current, int elapsedSec, bool forceRefresh);
    // The volume was set to `percent`: the band says so for a moment, while the ticker is on.
    void ShowVolume(int percent);

    // Follows `player` to its new place when it is on, keeping its place in the window order.
    void Follow(HWND player);
    // Asks `player` to post itself WM_STACK_TICKER, once, so that the ticker stands right behind
    // it when the change of the window order under way is over (Wine maps a window that it is
    // activating only after it). Nothing while the ticker is off or being stacked.
    void RequestStack(HWND player);
    // On WM_STACK_TICKER: right behind `player`, when both are shown.
    void Stack(HWND player);

    // The player shrinks: hidden, still switched on.
    void HideWhileShrunk();
    // The player is back: shown again right behind it, when switched on.
    void ShowAgain(HWND player);

private:
    void Place(HWND player);
    void StandBehindPlayer(HWND player);

    CTickerDlg::Clock m_pfnNow;
    fw::COwnedDialog<CTickerDlg> m_dlg;
    BOOL m_bShown = FALSE;       // switched on by the user; not kept between runs
    bool m_bStacking = false;    // standing behind raises the player, whose notices must not
                                 // ask for it again
    bool m_bStackPosted = false; // WM_STACK_TICKER is on its way
};
