// The playlist editor as the main window has it: opened by the playlist key, at most one, closed
// at its own request or with the player, and kept in step with the playlist and its current
// entry.
#pragma once

#include "decoder/Decoder.h"
#include "editor/PlaylistDlg.h"
#include "framework/OwnedDialog.h"
#include "playlist/Playlist.h"

class CEditor {
public:
    // Opens the editor for `player` (which receives its requests) over `playlist`, reading
    // added files through `decoder`, unless it is open already (an open one is not brought
    // forward). All three outlive the editor.
    void Open(fw::CDialog& player, CPlaylist& playlist, IDecoder& decoder);
    // Closes it if it is open, also from one of its own requests.
    void Close() { m_dlg.Destroy(); }
    HWND Window() const { return m_dlg.Window(); }

    // When open: `index` is now current, `oldIndex` was (-1: none).
    void TellCurrent(int index, int oldIndex);
    // When open: the playlist changed under it; the rows catch up.
    void CatchUp();

private:
    fw::COwnedDialog<CPlaylistDlg> m_dlg;
};
