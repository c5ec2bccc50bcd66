// The playlist editor opened from a real main window (fake decoder, real INI file), read back
// through its list view as a person would see it.
#pragma once

#include "playlist/OpenFileDialog.h"
#include "playlist/PlaylistDlg.h"
#include "tests/support/PlayerDlgFixture.h"

#include <string>
#include <vector>

class EditorTest : public PlayerDlgTest {
protected:
    ~EditorTest() override;

    // A file in the test folder that the fake decoder reads with this information.
    std::string Track(const std::string& name, const std::string& title = "title",
                      const std::string& artist = "artist", int seconds = 61);
    // Tracks "0.mp3", "1.mp3", ... as the INI file's playlist, written before the player
    // starts, with a stale key of a longer list that any save drops (see Saved()).
    std::vector<std::string> WriteList(int count);
    void WriteList(const std::vector<std::string>& paths);
    bool Saved() const { return IniValue("FILENAME0200") == "<missing>"; }
    // Plants the stale key again, to see whether the next command saves.
    void Plant();

    // Starts the player and clicks its playlist button (press and release on button 5).
    void OpenEditor();
    void ClickPlaylistButton();
    // The editor's window (null when none is open) and its object.
    HWND Editor() const;
    CPlaylistDlg* EditorObject() const;
    HWND List() const;

    // What the list shows: one column's texts, every row's icon, the selected rows.
    std::vector<std::string> Column(int column) const;
    std::vector<int> Icons() const;
    std::vector<int> SelectedRows() const;
    // The paths of the playlist's entries, and its current index.
    std::vector<std::string> Entries() const;
    int Current() const;

    // Exactly these rows selected (the list reports each change, as for a click).
    void Select(const std::vector<int>& rows);
    // A click on one of the editor's buttons.
    void Press(int id);
    // A key pressed while the list has the focus, through the window thread's message loop.
    void Key(WORD vk);
    // A double click of the mouse on a row (down, up, double click, up); below the last row
    // for a row past the end.
    void DoubleClickRow(int row);
    // The open track's end, as the library reports it, handled on the window thread.
    void EndOfTrack();
    // The file dialog answers with `names` chosen in `folder` (UTF-16, one name gives a full
    // path alone), filled in exactly as the system's dialog does; every call is counted.
    void AnswerFileDialog(const std::wstring& folder, const std::vector<std::wstring>& names);
    // The dialog's buffer as Windows leaves it for a selection that does not fit.
    void AnswerFileDialogTooSmall();
    void CancelFileDialog();
    static std::wstring Wide(const std::string& ansi);

    std::unique_ptr<CPlayerDlg> player;
    int fileDialogs = 0;
};
