// The main window's side of the mini window: creating and destroying it, the one-second timer's
// automatic shrink, the shrink by a double click, and the way back.
#include "app/PlayerDlg.h"

#include "companions/MiniDlg.h"
#include "companions/Topmost.h"
#include "mainwnd/IdleRule.h"
#include "res/resource.h"

void CPlayerDlg::CreateMini() {
    auto* mini = new CMiniDlg(this);
    if (!mini->m_hWnd) { // never came up: still ours
        delete mini;
        mini = nullptr;
    } else {
        mini->m_pPopupMenu = m_pPopupMenu;
    }
    m_pMini = mini;
}

void CPlayerDlg::DestroyMini() {
    // The object deletes itself once its window is gone.
    if (m_pMini) m_pMini->DestroyWindow();
    m_pMini = nullptr;
}

HWND CPlayerDlg::MiniWindow() const {
    return m_pMini ? m_pMini->m_hWnd : nullptr;
}

void CPlayerDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kHandOverTimer) return TakeHandedOverFiles();
    if (mainwnd::ShouldShrinkByTimer(m_pfnNow(), m_tLastAction, m_bShrunk, m_bAutoShrink != 0)) {
        ShrinkByTimer();
    }
    Default();
}

// Puts the mini window's bottom-right corner on the main window's, keeping its size.
void CPlayerDlg::PlaceMiniWindow() {
    RECT main{}, mini{};
    ::GetWindowRect(m_hWnd, &main);
    ::GetWindowRect(MiniWindow(), &mini);
    const HWND after = IsMenuChecked(ID_TOPMOST) ? HWND_TOPMOST : HWND_TOP;
    ::SetWindowPos(MiniWindow(), after, main.right - (mini.right - mini.left),
                   main.bottom - (mini.bottom - mini.top), 0, 0, SWP_NOSIZE);
}

// The two shrinks take their steps in different orders. A double click is the user's gesture on
// the main window: it goes at once, and the mini window then appears where it stood. The timer
// shrinks while nobody is looking: the mini window is up before the main window goes, so that
// the player never vanishes from the screen altogether, not even for a moment.
void CPlayerDlg::ShrinkByDoubleClick() {
    // Nothing may hide the player while there is no mini window to bring it back.
    if (!MiniWindow()) return;
    m_bShrunk = TRUE;
    ::ShowWindow(m_hWnd, SW_HIDE);
    PlaceMiniWindow();
    ::ShowWindow(MiniWindow(), SW_SHOW);
    if (IsTickerShown()) ::ShowWindow(TickerWindow(), SW_HIDE); // stays switched on
}

void CPlayerDlg::ShrinkByTimer() {
    if (!MiniWindow()) return; // as above
    m_bShrunk = TRUE;
    PlaceMiniWindow();
    ::ShowWindow(MiniWindow(), SW_SHOW);
    if (IsTickerShown()) ::ShowWindow(TickerWindow(), SW_HIDE); // stays switched on
    ::ShowWindow(m_hWnd, SW_HIDE);
}

LRESULT CPlayerDlg::OnMiniRestore(WPARAM, LPARAM) {
    m_tLastAction = m_pfnNow();
    // Shows the main window again where it was, whatever the mini window did meanwhile.
    ApplyTopmost(m_hWnd, IsMenuChecked(ID_TOPMOST));
    if (IsTickerShown()) {
        // Shown without taking the keyboard, and put back behind the main window.
        ::ShowWindow(TickerWindow(), SW_SHOWNA);
        PlaceTicker();
    }
    m_bShrunk = FALSE;
    return Default();
}
