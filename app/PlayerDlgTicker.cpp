// The main window's side of the title ticker: switching it on and off, taking it along when
// the main window moves, and telling it the current entry and the elapsed time.
//
// The ticker is not built yet: until it is, the main window creates none, these report no
// window, and the ticker button does nothing.
#include "app/PlayerDlg.h"

#include <cstdint>

namespace {
// The ticker stands this far above the main window's top edge, at its left edge.
constexpr int kTickerOffsetY = 50;
} // namespace

void CPlayerDlg::CreateTicker() {
    m_pTicker = nullptr;
}

void CPlayerDlg::DestroyTicker() {}

HWND CPlayerDlg::TickerWindow() const {
    return nullptr;
}

BOOL CPlayerDlg::IsTickerShown() const {
    return FALSE;
}

void CPlayerDlg::SetTickerShown(BOOL) {}

void CPlayerDlg::SendTickerCurrent(WPARAM, LPARAM, bool) {}

void CPlayerDlg::TellTicker(int index, int code, int elapsedSec, bool forceRefresh) {
    if (!IsTickerShown()) return;
    // The index goes in the upper bits as an unsigned number: -1 (no entry) too.
    const WPARAM wParam = (static_cast<WPARAM>(static_cast<uint32_t>(index)) << 8) |
                          (static_cast<uint32_t>(code) & 0xFF);
    SendTickerCurrent(wParam, elapsedSec, forceRefresh);
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
