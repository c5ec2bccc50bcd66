// The main window's side of the title ticker: creating and destroying it, switching it on and
// off, taking it along when the main window moves, and telling it the current entry and the
// elapsed time.
#include "app/PlayerDlg.h"

#include "companions/TickerDlg.h"
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
    if (IsTickerShown()) PlaceTicker();
}

void CPlayerDlg::PlaceTicker() {
    RECT main{};
    ::GetWindowRect(m_hWnd, &main);
    // Right behind the main window in the Z order, never activated; and while the main window
    // stays on top, on top with it, so that no other window comes between the two.
    const bool topmost = (::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    ::SetWindowPos(TickerWindow(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(TickerWindow(), m_hWnd, main.left, main.top - kTickerOffsetY, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE);
}

void CPlayerDlg::ToggleTicker() {
    if (!TickerWindow()) return;
    if (IsTickerShown()) {
        ::ShowWindow(TickerWindow(), SW_HIDE);
        SetTickerShown(FALSE);
        return;
    }
    PlaceTicker();
    // Shown without taking the keyboard from the main window; showing brings a window to the
    // front, so it goes back behind the main window.
    ::ShowWindow(TickerWindow(), SW_SHOWNA);
    PlaceTicker();
    SetTickerShown(TRUE);
    // While hidden it heard nothing: it shows the current entry and time as they are now.
    int elapsedSec = 0;
    m_decoder.GetState(&elapsedSec);
    TellTicker(m_pPlaylist ? m_pPlaylist->GetCurrentIndex() : -1, 0, elapsedSec, true);
}
