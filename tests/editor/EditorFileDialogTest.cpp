// The system's own file dialog, driven from inside its message loop as a person would: go to a
// folder, select every file in it, press the open button.
#include "tests/editor/EditorFixture.h"

#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"

#include <commctrl.h>
#include <dlgs.h>

namespace {

struct DialogDriver {
    std::wstring folder;
    int files = 0;
    int ticks = 0;
    bool selectedAll = false;
};
DialogDriver g_driver;

// One step a tick: type the folder into the name box and open it; once the dialog lists the
// folder's files, select them all and press the open button. Cancels after five seconds.
void CALLBACK DriveFileDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = ::FindWindowA("#32770", "開く");
    if (!dialog) return;
    HWND view = ::FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr);
    HWND list = ::FindWindowExA(view, nullptr, "SysListView32", nullptr);
    if (++g_driver.ticks == 1) {
        ::SetDlgItemTextW(dialog, cmb13, g_driver.folder.c_str());
        ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    } else if (ListView_GetItemCount(list) == g_driver.files) {
        ListView_SetItemState(list, -1, LVIS_SELECTED, LVIS_SELECTED);
        g_driver.selectedAll = true;
        ::KillTimer(nullptr, timer);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    } else if (g_driver.ticks > 100) {
        ::KillTimer(nullptr, timer);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

class RealFileDialog : public EditorTest {
protected:
    // Readable files in a folder of their own, all chosen at once in the system's dialog.
    std::vector<std::string> ChooseAll(const std::vector<std::string>& names) {
        std::vector<std::string> paths;
        for (const std::string& name : names) {
            paths.push_back(chosen / name);
            EXPECT_TRUE(WriteFileBytes(paths.back(), ""));
            decoder.fileInfo[paths.back()] = CFileInfo{"t", "a", 1};
        }
        g_driver = DialogDriver{Wide(chosen.Path()), static_cast<int>(names.size())};
        ::SetTimer(nullptr, 0, 50, DriveFileDialog);
        Press(IDC_ADD);
        EXPECT_TRUE(g_driver.selectedAll);
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    CTempFolder chosen{"vz3chosen"};
};

TEST_F(RealFileDialog, SeveralJapaneseNamesArriveWhole) {
    OpenEditor();
    const std::vector<std::string> paths = ChooseAll({"表示.mp3", "ソフト.mp3", "歌.mp3"});
    std::vector<std::string> entries = Entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(paths, entries);
    EXPECT_TRUE(Saved());
}

TEST_F(RealFileDialog, MoreThanTheBufferHoldsTakesNothingAndSaysSo) {
    CMessageBoxScript boxes;
    boxes.Then(IDOK);
    WriteList(1);
    OpenEditor();
    std::vector<std::string> names;
    for (int i = 100; i < 360; ++i)
        names.push_back(std::to_string(i) + "-a-long-name-that-makes-the-selection-overflow.mp3");
    ChooseAll(names);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("いっぺんにえらびすぎだよ。もうちょっとへらしてね。", boxes.Shown()[0].text);
    EXPECT_EQ(1u, Column(0).size());
    EXPECT_FALSE(Saved());
}

} // namespace
