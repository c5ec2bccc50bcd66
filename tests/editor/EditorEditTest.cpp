// The editor's commands: adding through the file dialog, deleting, moving up and down, the
// Insert and Delete keys, and when each saves.
#include "tests/editor/EditorFixture.h"

#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(EditorTest, AddTakesTheChosenFilesUntilOneCannotBeRead) {
    CMessageBoxScript boxes;
    boxes.Then(IDOK);
    OpenEditor();
    const std::string a = Track("a.mp3", "タイトル");
    Track("c.mp3"); // the second, b.mp3, is no file the decoder reads
    AnswerFileDialog(Wide(folder.Path()), {L"a.mp3", L"b.mp3", L"c.mp3"});
    Press(IDC_ADD);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ(Editor(), boxes.Shown()[0].owner);
    EXPECT_EQ("ふぁいるがおーぷんできなかったよ。", boxes.Shown()[0].text);
    EXPECT_EQ("ふぁいるおーぷんえらー", boxes.Shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Shown()[0].flags);
    EXPECT_EQ(Strings{a}, Entries()); // the third was not taken
    EXPECT_EQ(Strings{"タイトル"}, Column(1));
    EXPECT_EQ(std::vector<int>{0}, Icons());
    EXPECT_TRUE(Saved());
}

TEST_F(EditorTest, AFileNamedOutsideTheCodePageIsAddedByItsShortName) {
    const std::wstring name = Wide(folder.Path()) + L"\\한국어 노래.mp3";
    HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    ::CloseHandle(file);
    wchar_t shortName[MAX_PATH] = {};
    ASSERT_GT(::GetShortPathNameW(name.c_str(), shortName, MAX_PATH), 0u);
    char shortPath[MAX_PATH] = {};
    ::WideCharToMultiByte(CP_ACP, 0, shortName, -1, shortPath, MAX_PATH, nullptr, nullptr);
    decoder.fileInfo[shortPath] = CFileInfo{"タイトル", "歌手", 3};
    OpenEditor();
    AnswerFileDialog(Wide(folder.Path()), {L"한국어 노래.mp3"});
    Press(IDC_ADD);
    EXPECT_EQ(Strings{shortPath}, Entries());
    const std::string shortFile(shortPath);
    EXPECT_EQ(Strings{shortFile.substr(shortFile.rfind('\\') + 1)}, Column(0)); // the short name
    EXPECT_EQ(Strings{"タイトル"}, Column(1)); // the tags as always
    EXPECT_EQ(shortFile, IniValue("FILENAME0000"));
}

TEST_F(EditorTest, AListedFileAddsNoRowButSavesACancelSavesNothing) {
    const Strings paths = WriteList(2);
    OpenEditor();
    AnswerFileDialog(Wide(folder.Path()), {});
    Key(VK_INSERT); // the Insert key in the list opens the dialog too
    EXPECT_EQ(1, fileDialogs);
    EXPECT_FALSE(Saved());
    AnswerFileDialog(Wide(folder.Path()), {L"1.mp3"});
    Press(IDC_ADD);
    EXPECT_EQ(paths, Entries());
    EXPECT_EQ(paths, Column(4));
    EXPECT_TRUE(Saved());
}

TEST_F(EditorTest, ASelectionTooLargeForTheBufferTakesNothingAndSaysSo) {
    CMessageBoxScript boxes;
    boxes.Then(IDOK);
    WriteList(1);
    OpenEditor();
    // Windows' form (the real dialog under Wine: RealFileDialog).
    AnswerFileDialog(Wide(folder.Path()), std::vector<std::wstring>(300, std::wstring(40, L'x')));
    Press(IDC_ADD);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("いっぺんにえらびすぎだよ。もうちょっとへらしてね。", boxes.Shown()[0].text);
    EXPECT_EQ(1u, Entries().size());
    EXPECT_FALSE(Saved());
}

TEST_F(EditorTest, DeleteRemovesTheSelectedRowsAndTheirEntries) {
    const Strings p = WriteList(4);
    OpenEditor();
    Select({1, 2});
    Press(IDC_DELETE);
    EXPECT_EQ((Strings{p[0], p[3]}), Entries());
    EXPECT_EQ(Entries(), Column(4));
    EXPECT_TRUE(Saved());
    Plant();
    Select({0});
    Key(VK_DELETE);
    EXPECT_EQ(Strings{p[3]}, Column(4));
    EXPECT_TRUE(Saved());
}

TEST_F(EditorTest, UpAndDownMoveTheSelectedRowsUnlessOneIsAtTheEdge) {
    const Strings p = WriteList(5);
    OpenEditor();
    Select({2, 3});
    Press(IDC_UP);
    EXPECT_EQ((Strings{p[0], p[2], p[3], p[1], p[4]}), Column(4));
    EXPECT_EQ(Column(4), Entries());
    EXPECT_EQ((Strings{"0.mp3", "2.mp3", "3.mp3", "1.mp3", "4.mp3"}), Column(0));
    EXPECT_EQ("title 2", Column(1)[1]);
    EXPECT_EQ((std::vector<bool>{false, true, true, false, false}), Selected());
    EXPECT_TRUE(Saved());

    Plant();
    Select({0, 3});
    Press(IDC_UP);
    Select({1, 4});
    Press(IDC_DOWN);
    EXPECT_EQ((Strings{p[0], p[2], p[3], p[1], p[4]}), Column(4));
    EXPECT_FALSE(Saved());
    Select({1});
    Press(IDC_DOWN);
    EXPECT_EQ((Strings{p[0], p[3], p[2], p[1], p[4]}), Entries());
    EXPECT_EQ(Entries(), Column(4));
}

} // namespace
