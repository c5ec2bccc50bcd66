// Playing from the editor, and the editor keeping up with the player: the icon on the current
// entry's row, the current entry kept through moves and deletions, rows in step with changes
// that the player makes itself.
#include "tests/playlist/EditorFixture.h"

#include "framework/MessageBox.h"
#include "playback/ControlCodes.h"
#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ShellDrop.h"

namespace {

using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

class EditorPlay : public EditorTest {
protected:
    // Plays a row as a person would: selects it and presses Enter.
    void PlayRow(int row) {
        Select({row});
        Key(VK_RETURN);
    }
    bool Playing(const std::string& path) const {
        return decoder.OpenPath() == path && decoder.State() == IDecoder::STATE_PLAYING;
    }
};

TEST_F(EditorPlay, EnterAndDoubleClickPlayARowAndMoveTheIcon) {
    const Strings p = WriteList(3);
    OpenEditor();
    // No row clicked yet: Enter plays the current entry, whose row keeps the icon.
    Key(VK_RETURN);
    EXPECT_TRUE(Playing(p[0]));
    EXPECT_EQ((Ints{1, 0, 0}), Icons());
    EXPECT_NE(nullptr, Editor());

    PlayRow(2);
    EXPECT_TRUE(Playing(p[2]));
    EXPECT_EQ((Ints{0, 0, 1}), Icons());

    DoubleClickRow(1);
    EXPECT_TRUE(Playing(p[1]));
    EXPECT_EQ((Ints{0, 1, 0}), Icons());
    EXPECT_EQ(1, Current());
    EXPECT_FALSE(Saved());
}

TEST_F(EditorPlay, MovingRowsKeepsTheCurrentEntryCurrent) {
    const Strings p = WriteList(4);
    OpenEditor();
    PlayRow(2);
    Select({2});
    Press(IDC_UP); // the current entry moves up
    EXPECT_EQ(1, Current());
    EXPECT_EQ((Ints{0, 1, 0, 0}), Icons());
    Select({0});
    Press(IDC_DOWN); // the current entry is passed over
    EXPECT_EQ(0, Current());
    EXPECT_EQ((Ints{1, 0, 0, 0}), Icons());
    // Next plays the entry after the current one where it stands now: [2, 0, 1, 3].
    player->PlayerControl(PC_NEXT);
    EXPECT_TRUE(Playing(p[0]));
    EXPECT_EQ((Ints{0, 1, 0, 0}), Icons());
}

TEST_F(EditorPlay, DeletingRowsAboveTheCurrentEntryKeepsItCurrent) {
    const Strings p = WriteList(5);
    OpenEditor();
    PlayRow(3);
    Select({0, 1});
    Press(IDC_DELETE);
    EXPECT_EQ(1, Current());
    EXPECT_EQ((Ints{0, 1, 0}), Icons());
    EndOfTrack();
    EXPECT_TRUE(Playing(p[4]));
}

TEST_F(EditorPlay, TheDeletedPlayingEntryPlaysOnAndItsEndPlaysTheEntryInItsPlace) {
    const Strings p = WriteList(4);
    OpenEditor();
    PlayRow(1);
    decoder.ClearCalls();
    Press(IDC_DELETE);
    EXPECT_TRUE(Playing(p[1]));
    EXPECT_TRUE(decoder.Calls().empty());
    EXPECT_EQ(-1, Current());
    EXPECT_EQ((Ints{0, 0, 0}), Icons());
    EndOfTrack();
    EXPECT_TRUE(Playing(p[2]));
    EXPECT_EQ((Ints{0, 1, 0}), Icons());

    // The last one: its end goes round to the first.
    PlayRow(2);
    Press(IDC_DELETE);
    EndOfTrack();
    EXPECT_TRUE(Playing(p[0]));
    EXPECT_EQ((Ints{1, 0}), Icons());
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

    // Emptied while it plays: no current entry, pause and stop still act, nothing follows.
    Select({0, 1, 2});
    Press(IDC_DELETE);
    EXPECT_EQ(-1, Current());
    player->PlayerControl(PC_PLAYPAUSE);
    EXPECT_EQ(IDecoder::STATE_PAUSED, decoder.State());
    player->PlayerControl(PC_PLAYPAUSE);
    EndOfTrack();
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
}

TEST_F(EditorPlay, AnEntryRemovedAtTheMissingFilePromptTakesItsRowAndTheIcon) {
    const Strings p = WriteList(3);
    decoder.failingOpens.insert(p[2]);
    CMessageBoxScript boxes;
    boxes.Then(IDYES);
    OpenEditor();
    PlayRow(2);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ((Strings{p[0], p[1]}), Column(4));
    EXPECT_EQ((Ints{0, 0}), Icons()); // nothing is current, nothing plays
    EXPECT_EQ(-1, Current());
    // Play starts the entry that took the removed one's place: here the first.
    player->PlayerControl(PC_PLAYPAUSE);
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
    const Strings p = WriteList(2);
    OpenEditor();
    const std::string dropped = Track("dropped.mp3", "落とした曲");
    ::SendMessageA(player->m_hWnd, WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDrop({dropped, Track("second.mp3")})), 0);
    ASSERT_EQ((Strings{"0.mp3", "1.mp3", "dropped.mp3", "second.mp3"}), Column(0));
    EXPECT_EQ("落とした曲", Column(1)[2]);
    EXPECT_EQ((Ints{0, 0, 1, 0}), Icons());
    EXPECT_TRUE(Playing(dropped));
}

} // namespace
