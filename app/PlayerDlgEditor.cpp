// The main window's side of the playlist editor: opening it from the playlist button, its
// requests (close, play an entry), and telling it which entry is current.
//
// The editor is not built yet: until it is, the playlist button opens nothing.
#include "app/PlayerDlg.h"

#include "playback/ControlCodes.h"
#include "playlist/Playlist.h"

void CPlayerDlg::OpenPlaylistEditor() {}

void CPlayerDlg::ClosePlaylistEditor() {
    m_pPlaylistDlg = nullptr;
}

LRESULT CPlayerDlg::OnPlaylistClose(WPARAM, LPARAM) {
    ClosePlaylistEditor();
    return Default();
}

LRESULT CPlayerDlg::OnPlaylistPlay(WPARAM index, LPARAM) {
    // An index that names no entry is refused; the current entry then plays.
    if (m_pPlaylist) m_pPlaylist->SetCurrentIndex(static_cast<int>(index));
    PlayerControl(PC_PLAYCURRENT);
    return Default();
}

void CPlayerDlg::TellEditor(int, int) {}

void CPlayerDlg::PlaylistChanged() {}
