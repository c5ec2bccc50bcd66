// The main window's side of the playlist editor: opening it from the playlist button, its
// requests (close, play an entry), and keeping it in step with the playlist and the current
// entry.
#include "app/PlayerDlg.h"

#include "playback/ControlCodes.h"
#include "playlist/Playlist.h"
#include "editor/PlaylistDlg.h"
#include "res/Messages.h"
#include "res/resource.h"

#include <utility>

void CPlayerDlg::OpenPlaylistEditor() {
    if (m_pPlaylistDlg) return; // at most one editor; an open one is not brought forward
    m_pPlaylistDlg = new CPlaylistDlg(this, m_decoder);
    m_pPlaylistDlg->m_pPlaylist = m_pPlaylist;
    if (!m_pPlaylistDlg->Create(IDD_PLAYLIST, this)) {
        delete std::exchange(m_pPlaylistDlg, nullptr);
        return;
    }
    ::ShowWindow(m_pPlaylistDlg->m_hWnd, SW_SHOW);
}

void CPlayerDlg::ClosePlaylistEditor() {
    // Cleared first: nothing reaches the editor while it goes.
    CPlaylistDlg* editor = std::exchange(m_pPlaylistDlg, nullptr);
    if (!editor) return;
    editor->DestroyWindow();
    delete editor;
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

void CPlayerDlg::TellEditor(int index, int oldIndex) {
    if (!m_pPlaylistDlg) return;
    // -1 (no entry) travels as its unsigned form and comes back in the editor's cast.
    ::SendMessageA(m_pPlaylistDlg->m_hWnd, WM_PLAYLIST_CURRENT, static_cast<WPARAM>(index),
                   static_cast<LPARAM>(oldIndex));
}

void CPlayerDlg::PlaylistChanged() {
    if (m_pPlaylistDlg) m_pPlaylistDlg->CatchUpWithPlaylist();
}
