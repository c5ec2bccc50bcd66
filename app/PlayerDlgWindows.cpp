// The main window's timer, its moves, and its shrink to the mini window and back.
#include "app/PlayerDlg.h"

#include "companions/Topmost.h"
#include "mainwnd/IdleRule.h"
#include "res/resource.h"

namespace {
// The ticker stands this far above the main window's top edge, at its left edge.
constexpr int kTickerOffsetY = 50;
} // namespace

void CPlayerDlg::OnTimer(UINT_PTR) {
    if (mainwnd::ShouldShrinkByTimer(m_pfnNow(), m_tLastAction, m_bShrunk, m_bAutoShrink != 0)) {
        ShrinkByTimer();
    }
    Default();
}

void CPlayerDlg::OnMove(int, int) {
    Default();
    if (IsTickerShown()) PlaceTicker();
}

void CPlayerDlg::PlaceTicker() {
    RECT main{};
    ::GetWindowRect(m_hWnd, &main);
    // Right behind the main window in the Z order, never activated.
    ::SetWindowPos(TickerWindow(), m_hWnd, main.left, main.top - kTickerOffsetY, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE);
}

void CPlayerDlg::ToggleTicker() {
    if (IsTickerShown()) {
        ::ShowWindow(TickerWindow(), SW_HIDE);
        SetTickerShown(FALSE);
        return;
    }
    PlaceTicker();
    ::ShowWindow(TickerWindow(), SW_SHOW);
    SetTickerShown(TRUE);
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
