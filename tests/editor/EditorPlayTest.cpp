// Playing from the editor, and the editor keeping up with the player: the mark on the current
// entry's row, the current entry kept through moves and deletions, rows in step with changes
// that the player makes itself.
#include "tests/editor/EditorFixture.h"

#include "framework/MessageBox.h"
#include "playback/ControlCodes.h"
#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/companions/TickerPixels.h"
#include "tests/support/ModalRun.h"
#include "tests/support/ShellDrop.h"

namespace {

using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

class EditorPlay : public EditorTest {
protected:
    void PlayRow(int row) { // as a person does: select it, press Enter
        Select({row});
        Key(VK_RETURN);
    }
    bool Playing(const std::string& path) const {
        return decoder.OpenPath() == path && decoder.State() == IDecoder::STATE_PLAYING;
    }
};

TEST_F(EditorPlay, EnterAndDoubleClickPlayARowAndMoveTheMark) {
    const Strings p = WriteList(3);
    OpenEditor();
    Key(VK_RETURN); // no row clicked yet: the current entry plays, its row keeps the mark
    EXPECT_TRUE(Playing(p[0]));
    EXPECT_EQ((Ints{1, 0, 0}), Icons());
    PlayRow(2);
    EXPECT_TRUE(Playing(p[2]));
    EXPECT_EQ((Ints{0, 0, 1}), Icons());
    DoubleClickRow(1);
    EXPECT_TRUE(Playing(p[1]));
    EXPECT_EQ((Ints{0, 1, 0}), Icons());
    EXPECT_NE(nullptr, Editor());
}

TEST_F(EditorPlay, TheRowChosenPlaysThoughThePlayerMovedTheMarkSince) {
    const Strings p = WriteList(3);
    OpenEditor();
    Select({1});
    // The player's own commands change the rows' icons, which the list reports as well.
    ASSERT_TRUE(player->PlayerControl(PC_STOP));
    DoubleClickRow(1);
    EXPECT_TRUE(Playing(p[1]));
    ASSERT_TRUE(player->PlayerControl(PC_STOP));
    Key(VK_RETURN); // the selected row
    EXPECT_TRUE(Playing(p[1]));
    Select({2});
    ASSERT_TRUE(player->PlayerControl(PC_NEXT));
    Key(VK_RETURN);
    EXPECT_TRUE(Playing(p[2]));
}

TEST_F(EditorPlay, MovesAndDeletionsAboveItKeepTheCurrentEntryCurrent) {
    const Strings p = WriteList(5);
    OpenEditor();
    PlayRow(2);
    Select({2});
    Press(IDC_UP); // the current entry moves up
    EXPECT_EQ(1, Playlist().GetCurrentIndex());
    Select({0});
    Press(IDC_DOWN); // the current entry is passed over: [2, 0, 1, 3, 4]
    EXPECT_EQ(0, Playlist().GetCurrentIndex());
    EXPECT_EQ((Ints{1, 0, 0, 0, 0}), Icons());
    player->PlayerControl(PC_NEXT);
    EXPECT_TRUE(Playing(p[0]));
    Select({0, 2});
    Press(IDC_DELETE); // [0, 3, 4]
    EXPECT_EQ(0, Playlist().GetCurrentIndex());
    EXPECT_EQ((Ints{1, 0, 0}), Icons());
    EndOfTrack();
    EXPECT_TRUE(Playing(p[3]));
}

TEST_F(EditorPlay, TheDeletedPlayingEntryPlaysOnAndItsEndPlaysTheEntryInItsPlace) {
    const Strings p = WriteList(4);
    OpenEditor();
    PlayRow(1);
    decoder.ClearCalls();
    Press(IDC_DELETE);
    EXPECT_TRUE(Playing(p[1]));
    EXPECT_TRUE(decoder.Calls().empty());
    EXPECT_EQ(-1, Playlist().GetCurrentIndex());
    EXPECT_EQ((Ints{0, 0, 0}), Icons());
    EndOfTrack();
    EXPECT_TRUE(Playing(p[2]));
    EXPECT_EQ((Ints{0, 1, 0}), Icons());
    PlayRow(2); // the last: its end goes round to the first
    Press(IDC_DELETE);
    EndOfTrack();
    EXPECT_TRUE(Playing(p[0]));
}

BOOL CALLBACK MatchTicker(HWND hwnd, LPARAM found) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    if (!::IsWindowVisible(hwnd) || r.right - r.left != 230 || r.bottom - r.top != 80) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

TEST_F(EditorPlay, TheTickerShowsTheDeletedEntryWhileItPlaysOn) {
    const Strings p = WriteList(4);
    OpenEditor();
    PlayRow(1);
    ::SetWindowPos(player->Hwnd(), nullptr, 100, 150, 0, 0, // room above it for the ticker
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The ticker's key on the player, pressed and released.
    ::SendMessageA(player->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 165));
    ::SendMessageA(player->Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(30, 165));
    HWND ticker = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchTicker, reinterpret_cast<LPARAM>(&ticker));
    ASSERT_NE(nullptr, ticker);
    RECT at{};
    ::GetWindowRect(ticker, &at);
    ::SetWindowPos(Editor(), nullptr, at.right + 20, at.top, 0, 0, // beside it, not over it
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
    EXPECT_EQ("002", DigitsShown(TickerPixels(ticker)).substr(0, 3));
    Press(IDC_DELETE);
    decoder.Notify(1, 3); // the library's next second
    PumpMessages();
    EXPECT_TRUE(Playing(p[1]));
    // The second entry's number and line, not the banner of an empty list ("000").
    EXPECT_EQ("002", DigitsShown(TickerPixels(ticker)).substr(0, 3));
}

TEST_F(EditorPlay, PreviousAfterDeletingThePlayingEntryPlaysTheEntryBeforeItsPlace) {
    const Strings p = WriteList(4);
    OpenEditor();
    PlayRow(2);
    decoder.elapsedSec = 30; // long enough that previous would start a current entry again
    Press(IDC_DELETE);
    player->PlayerControl(PC_PREV);
    EXPECT_TRUE(Playing(p[1]));
    EXPECT_EQ((Ints{0, 1, 0}), Icons());
    Select({0, 1, 2});
    Press(IDC_DELETE); // emptied while it plays: pause still acts, its end plays nothing
    EXPECT_EQ(-1, Playlist().GetCurrentIndex());
    player->PlayerControl(PC_PLAYPAUSE);
    EXPECT_EQ(IDecoder::STATE_PAUSED, decoder.State());
    player->PlayerControl(PC_PLAYPAUSE);
    EndOfTrack();
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
}

TEST_F(EditorPlay, AnEntryRemovedAtTheMissingFilePromptTakesItsRowAndTheMark) {
    const Strings p = WriteList(3);
    decoder.failingOpens.insert(p[2]);
    CMessageBoxScript boxes;
    boxes.Then(IDYES);
    OpenEditor();
    PlayRow(2);
    EXPECT_EQ((Strings{p[0], p[1]}), Column(4));
    EXPECT_EQ((Ints{0, 0}), Icons());    // nothing is current, nothing plays
    player->PlayerControl(PC_PLAYPAUSE); // the entry in its place: here the first
    EXPECT_TRUE(Playing(p[0]));
    EXPECT_EQ((Ints{1, 0}), Icons());
}

TEST_F(EditorPlay, ClosingTheEditorWhileThePromptWaitsIsSafe) {
    const Strings p = WriteList(2);
    decoder.failingOpens.insert(p[1]);
    OpenEditor();
    // The prompt belongs to the main window; the editor stays usable while it waits.
    fw::MessageBoxHandler previous =
        fw::SetMessageBoxHandler([this](HWND, const char*, const char*, UINT) {
            Press(IDCLOSE);
            return IDYES;
        });
    PlayRow(1);
    fw::SetMessageBoxHandler(std::move(previous));
    EXPECT_EQ(nullptr, Editor());
    ClickPlaylistButton();
    EXPECT_EQ(Strings{p[0]}, Column(4));
}

TEST_F(EditorPlay, FilesDroppedOnThePlayerAppearAsRowsAndTheFirstIsMarked) {
    WriteList(2);
    OpenEditor();
    const std::string dropped = Track("dropped.mp3", "落とした曲");
    ::SendMessageA(player->Hwnd(), WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDrop({dropped, Track("second.mp3")})), 0);
    ASSERT_EQ((Strings{"0.mp3", "1.mp3", "dropped.mp3", "second.mp3"}), Column(0));
    EXPECT_EQ("落とした曲", Column(1)[2]);
    EXPECT_EQ((Ints{0, 0, 1, 0}), Icons());
    EXPECT_TRUE(Playing(dropped));
}

} // namespace
