// The companion windows and the playlist editor, as far as the main window's life cycle is
// concerned. The ticker, the mini window and the editor are not built yet: until they are,
// the main window creates none of them, and these are the places that will create and
// destroy them.
#include "app/PlayerDlg.h"

void CPlayerDlg::CreateCompanions() {
    m_pMini = nullptr;
    m_pTicker = nullptr;
}

void CPlayerDlg::DestroyCompanions() {}

void CPlayerDlg::ClosePlaylistEditor() { m_pPlaylistDlg = nullptr; }
