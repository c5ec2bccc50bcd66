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

void CPlayerDlg::UpdateShrinkTimer() {
    // The one-second timer serves the automatic shrink alone: it runs only while a shrink can
    // come of it, so that a player left alone is not woken every second for nothing.
    const bool wanted = m_bAutoShrink && !m_bShrunk;
    if (wanted && !m_nTimerID) {
        m_nTimerID = ::SetTimer(m_hWnd, kShrinkTimer, 1000, nullptr);
    } else if (!wanted && m_nTimerID) {
        ::KillTimer(m_hWnd, m_nTimerID);
        m_nTimerID = 0;
    }
}

void CPlayerDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kHandOverTimer) return TakeHandedOverFiles();
    if (mainwnd::ShouldShrinkByTimer(m_pfnNow(), m_tLastAction, m_bShrunk, m_bAutoShrink != 0)) {
        Shrink();
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

// By double click or by the timer: the mini window is up, and active, before the main window
// goes, so that the player never vanishes from the screen and keeps its place in the window order
// (hiding the active window hands the activation to another program's, which Wine then raises
// above the newcomer).
void CPlayerDlg::Shrink() {
    // Nothing may hide the player while there is no mini window to bring it back.
    if (!MiniWindow()) return;
    m_bShrunk = TRUE;
    UpdateShrinkTimer();
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
        StackTicker();
    }
    m_bShrunk = FALSE;
    UpdateShrinkTimer();
    return Default();
}
