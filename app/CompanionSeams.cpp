// The companion windows and the playlist editor, as far as the main window is concerned. The
// ticker, the mini window and the editor are not built yet: until they are, the main window
// creates none of them, these report no window, and the buttons that would show them do
// nothing.
#include "app/PlayerDlg.h"

void CPlayerDlg::CreateCompanions() {
    m_pMini = nullptr;
    m_pTicker = nullptr;
}

void CPlayerDlg::DestroyCompanions() {}

void CPlayerDlg::ClosePlaylistEditor() {
    m_pPlaylistDlg = nullptr;
}

LRESULT CPlayerDlg::OnPlaylistClose(WPARAM, LPARAM) {
    ClosePlaylistEditor();
    return Default();
}

void CPlayerDlg::OpenPlaylistEditor() {}

HWND CPlayerDlg::TickerWindow() const {
    return nullptr;
}
HWND CPlayerDlg::MiniWindow() const {
    return nullptr;
}
BOOL CPlayerDlg::IsTickerShown() const {
    return FALSE;
}
void CPlayerDlg::SetTickerShown(BOOL) {}

void CPlayerDlg::SendTickerCurrent(WPARAM, LPARAM, bool) {}
void CPlayerDlg::TellEditor(int, int) {}
