// The main window's side of the mini window: the one-second timer's automatic shrink, the
// shrink by a double click, and the way back.
//
// The mini window is not built yet: until it is, the main window creates none, MiniWindow()
// reports no window, and nothing shrinks (nothing could bring the player back).
#include "app/PlayerDlg.h"

#include "companions/Topmost.h"
#include "mainwnd/IdleRule.h"
#include "res/resource.h"

void CPlayerDlg::CreateMini() {
    m_pMini = nullptr;
}

void CPlayerDlg::DestroyMini() {}

HWND CPlayerDlg::MiniWindow() const {
    return nullptr;
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
    if (IsTickerShown()) ::ShowWindow(TickerWindow(), SW_SHOW);
    m_bShrunk = FALSE;
    return Default();
}
