#include "editor/Editor.h"

#include "res/Messages.h"
#include "res/resource.h"

#include <memory>

void CEditor::Open(fw::CDialog& player, CPlaylist& playlist, IDecoder& decoder) {
    if (m_dlg) return;
    if (m_dlg.Create(std::make_unique<CPlaylistDlg>(&player, playlist, decoder), IDD_PLAYLIST,
                     &player))
        ::ShowWindow(Window(), SW_SHOW);
}

void CEditor::TellCurrent(int index, int oldIndex) {
    // -1 (no entry) travels as its unsigned form and comes back in the editor's unpacking.
    if (m_dlg)
        ::SendMessageA(Window(), WM_PLAYLIST_CURRENT, static_cast<WPARAM>(index),
                       static_cast<LPARAM>(oldIndex));
}

void CEditor::CatchUp() {
    if (m_dlg) m_dlg->CatchUpWithPlaylist();
}
