// The main window's side of the title ticker: creating and destroying it, switching it on and
// off, taking it along when the main window moves or changes its place in the window order, and
// telling it the current entry and the elapsed time.
#include "app/PlayerDlg.h"

#include "companions/TickerDlg.h"
#include "companions/WindowOrder.h"
#include "playback/DecoderNotifier.h"
#include "playlist/Playlist.h"
#include "res/Messages.h"

#include <cstdint>

namespace {
// The ticker stands this far above the main window's top edge, at its left edge.
constexpr int kTickerOffsetY = 50;
} // namespace

void CPlayerDlg::CreateTicker() {
    // The ticker reads the current entry while it initialises: the playlist comes first.
    auto* ticker = new CTickerDlg(m_pfnNow);
    ticker->m_pPlaylist = m_pPlaylist;
    if (!ticker->CreateHidden()) {
        delete ticker; // never came up: still ours
        ticker = nullptr;
    }
    m_pTicker = ticker;
}

void CPlayerDlg::DestroyTicker() {
    // The object deletes itself once its window is gone.
    if (m_pTicker) m_pTicker->DestroyWindow();
    m_pTicker = nullptr;
}

HWND CPlayerDlg::TickerWindow() const {
    return m_pTicker ? m_pTicker->m_hWnd : nullptr;
}

BOOL CPlayerDlg::IsTickerShown() const {
    return m_pTicker && m_pTicker->m_bShown;
}

void CPlayerDlg::SetTickerShown(BOOL bShown) {
    if (m_pTicker) m_pTicker->m_bShown = bShown;
}

void CPlayerDlg::SendTickerCurrent(WPARAM wParam, LPARAM lParam, bool forceRefresh) {
    if (!m_pTicker) return;
    if (forceRefresh) m_pTicker->m_nRenderedIndex = -2;
    ::SendMessageA(TickerWindow(), WM_PLAYLIST_CURRENT, wParam, lParam);
}

void CPlayerDlg::TellTicker(int index, int code, int elapsedSec, bool forceRefresh) {
    if (!IsTickerShown()) return;
    // The index goes in the upper bits as an unsigned number: -1 (no entry) too.
    SendTickerCurrent(PackWithCode(static_cast<uint32_t>(index), code), elapsedSec, forceRefresh);
}

void CPlayerDlg::OnMove(int, int) {
    Default();
    if (IsTickerShown()) MoveTicker();
}

void CPlayerDlg::OnWindowPosChanged(const WINDOWPOS* pos) {
    Default(); // WM_MOVE comes from here
    // Raised, switched to or from always on top, shown again: the ticker comes along.
    if (!(pos->flags & SWP_NOZORDER) || (pos->flags & SWP_SHOWWINDOW)) RequestTickerStack();
}

void CPlayerDlg::OnActivate(UINT state, HWND, BOOL) {
    Default();
    // Under Wine a click raises the window on the screen while its place in the window order
    // may already be the first: no WM_WINDOWPOSCHANGED then, only the activation.
    if (state != WA_INACTIVE) RequestTickerStack();
}

void CPlayerDlg::RequestTickerStack() {
    // Once the change is over: Wine maps a window that it is activating only after it.
    if (m_bStackingTicker || m_bTickerStackPosted || !IsTickerShown()) return;
    m_bTickerStackPosted = ::PostMessageA(m_hWnd, WM_STACK_TICKER, 0, 0) != FALSE;
}

LRESULT CPlayerDlg::OnStackTicker(WPARAM, LPARAM) {
    m_bTickerStackPosted = false;
    StackTicker();
    return 0;
}

void CPlayerDlg::MoveTicker() {
    RECT main{};
    ::GetWindowRect(m_hWnd, &main);
    ::SetWindowPos(TickerWindow(), nullptr, main.left, main.top - kTickerOffsetY, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPlayerDlg::StackTicker() {
    if (!::IsWindowVisible(TickerWindow()) || !::IsWindowVisible(m_hWnd)) return;
    // Standing behind raises this window too, whose notices must not ask for it again.
    m_bStackingTicker = true;
    StandBehind(TickerWindow(), m_hWnd);
    m_bStackingTicker = false;
}

void CPlayerDlg::ToggleTicker() {
    if (!TickerWindow()) return;
    if (IsTickerShown()) {
        ::ShowWindow(TickerWindow(), SW_HIDE);
        SetTickerShown(FALSE);
        return;
    }
    MoveTicker();
    // Shown without taking the keyboard from the main window; showing brings a window to the
    // front, so it goes back behind the main window.
    ::ShowWindow(TickerWindow(), SW_SHOWNA);
    SetTickerShown(TRUE);
    StackTicker();
    // While hidden it heard nothing: it shows the current entry and time as they are now.
    int elapsedSec = 0;
    m_decoder.GetState(&elapsedSec);
    TellTicker(m_pPlaylist ? m_pPlaylist->GetCurrentIndex() : -1, 0, elapsedSec, true);
}
