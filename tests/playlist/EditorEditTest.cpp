// The editor's commands: adding through the file dialog, deleting, moving up and down, the
// Insert and Delete keys, and when each saves.
#include "tests/playlist/EditorFixture.h"

#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"

namespace {

using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

TEST_F(EditorTest, AddTakesTheChosenFilesUntilOneCannotBeRead) {
    CMessageBoxScript boxes;
    boxes.Then(IDOK);
    OpenEditor();
    const std::string a = Track("a.mp3", "タイトル", "アーティスト", 245);
    Track("c.mp3");
    AnswerFileDialog(Wide(folder.Path()), {L"a.mp3", L"b-unreadable.mp3", L"c.mp3"});
    Press(IDC_ADD);
    EXPECT_EQ(1, fileDialogs);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ(Editor(), boxes.Shown()[0].owner);
    EXPECT_EQ("ふぁいるがおーぷんできなかったよ。", boxes.Shown()[0].text);
    EXPECT_EQ("ふぁいるおーぷんえらー", boxes.Shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Shown()[0].flags);
    EXPECT_EQ(Strings{a}, Entries()); // the third was not taken
    EXPECT_EQ(Strings{a}, Column(4));
    EXPECT_EQ(Strings{"タイトル"}, Column(1));
    EXPECT_EQ(Ints{0}, Icons());
    EXPECT_TRUE(Saved());
    EXPECT_EQ(a, IniValue("FILENAME0000"));
}

TEST_F(EditorTest, AListedFileAddsNoRowButTheListIsSaved) {
    const Strings paths = WriteList(2);
    OpenEditor();
    AnswerFileDialog(Wide(folder.Path()), {L"1.mp3"}); // one name: a full path alone
    Press(IDC_ADD);
    EXPECT_EQ(paths, Entries());
    EXPECT_EQ(2u, Column(0).size());
    EXPECT_TRUE(Saved());
}

TEST_F(EditorTest, ACancelledDialogChangesAndSavesNothing) {
    WriteList(2);
    OpenEditor();
    CancelFileDialog();
    Key(VK_INSERT); // the Insert key in the list opens the dialog too
    EXPECT_EQ(1, fileDialogs);
    EXPECT_EQ(2u, Entries().size());
    EXPECT_FALSE(Saved());
}

TEST_F(EditorTest, ASelectionTooLargeForTheBufferTakesNothingAndSaysSo) {
    CMessageBoxScript boxes;
    boxes.Then(IDOK);
    WriteList(1);
    OpenEditor();
    AnswerFileDialogTooSmall(); // Windows' form; Wine's goes through the real dialog
    Press(IDC_ADD);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("いっぺんにえらびすぎだよ。もうちょっとへらしてね。", boxes.Shown()[0].text);
    EXPECT_EQ(1u, Entries().size());
    EXPECT_FALSE(Saved());
}

TEST_F(EditorTest, ANameWithoutAnExactFormIsAFileThatCannotBeRead) {
    CMessageBoxScript boxes;
    boxes.Then(IDOK);
    OpenEditor();
    Track("cafe.mp3"); // what best fit would make of the chosen name
    AnswerFileDialog(Wide(folder.Path()), {L"café.mp3", L"cafe.mp3"});
    Press(IDC_ADD);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("ふぁいるがおーぷんできなかったよ。", boxes.Shown()[0].text);
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(Saved());
}

TEST_F(EditorTest, DeleteRemovesTheSelectedRowsAndTheirEntries) {
    const Strings paths = WriteList(4);
    OpenEditor();
    Select({1, 2});
    Press(IDC_DELETE);
    EXPECT_EQ((Strings{paths[0], paths[3]}), Entries());
    EXPECT_EQ((Strings{paths[0], paths[3]}), Column(4));
    EXPECT_TRUE(Saved());

    Plant();
    Select({0});
    Key(VK_DELETE);
    EXPECT_EQ(Strings{paths[3]}, Column(4));
    EXPECT_EQ(Strings{paths[3]}, Entries());
    EXPECT_TRUE(Saved());

    Plant();
    Select({});
    Press(IDC_DELETE); // nothing selected: nothing goes, the list is still saved
    EXPECT_EQ(Strings{paths[3]}, Entries());
    EXPECT_TRUE(Saved());
}

TEST_F(EditorTest, UpAndDownMoveTheSelectedRowsUnlessOneIsAtTheEdge) {
    const Strings p = WriteList(5);
    OpenEditor();
    Select({2, 3});
    Press(IDC_UP);
    EXPECT_EQ((Strings{p[0], p[2], p[3], p[1], p[4]}), Column(4));
    EXPECT_EQ(Column(4), Entries());
    EXPECT_EQ((Strings{"2.mp3", "3.mp3"}), (Strings{Column(0)[1], Column(0)[2]}));
    EXPECT_EQ((Strings{"title 2", "title 3"}), (Strings{Column(1)[1], Column(1)[2]}));
    EXPECT_EQ((Ints{1, 2}), SelectedRows());
    EXPECT_TRUE(Saved());

    Plant();
    Select({0, 3});
    Press(IDC_UP);
    EXPECT_EQ((Strings{p[0], p[2], p[3], p[1], p[4]}), Column(4));
    EXPECT_FALSE(Saved());
    Select({1, 4});
    Press(IDC_DOWN);
    EXPECT_FALSE(Saved());

    Select({0, 2});
    Press(IDC_DOWN);
    EXPECT_EQ((Strings{p[2], p[0], p[1], p[3], p[4]}), Column(4));
    EXPECT_EQ(Column(4), Entries());
    EXPECT_EQ((Ints{1, 3}), SelectedRows());
    EXPECT_TRUE(Saved());
}

} // namespace
