// The playlist editor "聴きたい曲": the playlist as a five-column list, files added through the
// file-open dialog, entries deleted and moved, and an entry played on a double click or Enter.
//
// A modeless dialog that its owner (editor/Editor.h) opens for the main window. It edits the main
// window's playlist directly and saves it after every edit; it never plays anything itself but
// asks the main window with WM_PLAYLIST_PLAY, and learns the current entry from
// WM_PLAYLIST_CURRENT. It asks to be closed with WM_PLAYLIST_CLOSE, during which the main
// window deletes it.
#pragma once

#include "framework/Dialog.h"
#include "decoder/Decoder.h"
#include "editor/ListCtrl.h"
#include "playlist/AddFiles.h"
#include "playlist/Playlist.h"

#include <string>
#include <vector>

class CPlaylistDlg : public fw::CModelessDialog {
public:
    // `pMainDlg` receives the editor's requests; `playlist` is the main window's, edited here;
    // `decoder` reads the information of added files. All three outlive the editor.
    CPlaylistDlg(fw::CDialog* pMainDlg, CPlaylist& playlist, IDecoder& decoder);
    ~CPlaylistDlg() override;

    BOOL DestroyWindow() override;

    // The playlist changed under the editor (files dropped on the main window or given on the
    // command line, an entry removed after the missing-file prompt): the rows catch up, found
    // by path, and icon 1 marks the current entry's row.
    void CatchUpWithPlaylist();

    const CPlaylist& Playlist() const { return m_playlist; }

protected:
    const fw::MessageTable& GetMessageTable() const override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    // Message handlers (the tables in PlaylistDlg.cpp list them).
    void OnAdd();
    void OnDelete();
    void OnClose();
    void OnUp();
    void OnDown();
    void OnPlayTest();
    void OnKeydownTrackList(NMHDR* header, LRESULT* result);
    void OnItemchangedTrackList(NMHDR* header, LRESULT* result);
    void OnDblclkTrackList(NMHDR* header, LRESULT* result);
    void OnPlaylistCurrent(int newRow, int oldRow);

    void InitTrackList();
    // Rows of removed entries deleted, rows of new entries appended (found by path).
    void CatchUpRows();
    void FillTrackList();
    void AppendRow(const CTrackEntry& entry);
    void MoveRow(int row, int delta);
    // Moves each of `moves` in turn by `delta` (-1 up, +1 down), in the list and the playlist.
    void MoveRows(const std::vector<int>& moves, int delta);
    int GetRowImage(int row) const;
    void SetRowImage(int row, int image);
    BOOL IsRowSelected(int row) const;
    std::vector<bool> SelectedRows() const;
    void PlayRow(int row);
    void MarkCurrentRow(int newRow, int oldRow);
    // Icon 1 on the current entry's row, icon 0 on every other row.
    void ShowCurrentRow();
    void DestroyImageList();
    // The message of a file that cannot be taken.
    void ReportProblem(FileProblem problem);

    CListCtrl m_listTracks;  // control 1013, bound in DoDataExchange
    int m_nClickedItem = -1; // the row of the list's last item-changed notification
    fw::CDialog* m_pMainDlg; // the main window; not owned
    CPlaylist& m_playlist;   // the main window's
    CImageList m_pImageList; // the rows' icons; the list lets go of it before it goes
    IDecoder& m_decoder;
};
