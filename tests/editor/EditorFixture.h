// The playlist editor opened from a real main window (fake decoder, real INI file), read back
// through its list view as a person would see it.
#pragma once

#include "editor/OpenFileDialog.h"
#include "editor/PlaylistDlg.h"
#include "tests/support/PlayerDlgFixture.h"

#include <string>
#include <vector>

class EditorTest : public PlayerDlgTest {
protected:
    ~EditorTest() override;

    // A file in the test folder that the fake decoder reads with this information.
    std::string Track(const std::string& name, const std::string& title = "t",
                      const std::string& artist = "a", int seconds = 61);
    // The INI file's playlist (written before the player starts), with a stale key of a longer
    // list that any save drops; WriteList(n) lists new tracks "0.mp3", "1.mp3"...
    void WriteList(const std::vector<std::string>& paths);
    std::vector<std::string> WriteList(int count);
    bool Saved() const { return IniValue("FILENAME0200") == "<missing>"; }
    void Plant(); // the stale key again, to see whether the next command saves

    // Starts the player and clicks its playlist key (press and release on button 5).
    void OpenEditor();
    void ClickPlaylistButton();
    HWND Editor() const; // null when no editor is open
    HWND List() const;

    // What the list shows, row by row: a column's texts, the icons, the selection.
    template <class F> auto EachRow(F value) const;
    std::vector<std::string> Column(int column) const;
    std::vector<int> Icons() const;
    std::vector<bool> Selected() const;
    // The playlist the editor shows (its public member), and its entries' paths.
    const CPlaylist& Playlist() const;
    std::vector<std::string> Entries() const;

    // Exactly these rows selected, reported by the list as a click's change is.
    void Select(const std::vector<int>& rows);
    void Press(int id); // a click on one of the editor's buttons
    // A key, or a double click on a row, through the window thread's message loop.
    void Key(WORD vk);
    void DoubleClickRow(int row);
    // The open track's end, as the library reports it, handled on the window thread.
    void EndOfTrack();
    // The file dialog's answer, filled in as the system's dialog fills it: one name gives a
    // full path alone; no names is a cancel; more than the buffer holds fails as on Windows.
    void AnswerFileDialog(const std::wstring& folder, const std::vector<std::wstring>& names);
    static std::wstring Wide(const std::string& ansi);

    std::unique_ptr<CPlayerDlg> player;
    int fileDialogs = 0;
};
