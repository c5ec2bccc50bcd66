// The system's own file dialog, driven from inside its message loop as a person would: go to a
// folder, select every file in it, press the open button.
#include "tests/playlist/EditorFixture.h"

#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"

#include <commctrl.h>
#include <dlgs.h>

namespace {

struct DialogDriver {
    HWND editor = nullptr;
    std::wstring folder;
    int files = 0;
    int ticks = 0;
    bool wentToFolder = false;
    bool selectedAll = false;
};
DialogDriver g_driver;

BOOL CALLBACK FindFileDialog(HWND hwnd, LPARAM found) {
    char className[32] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::string(className) != "#32770" || ::GetWindow(hwnd, GW_OWNER) != g_driver.editor)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

BOOL CALLBACK FindShellList(HWND hwnd, LPARAM found) {
    char className[32] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::string(className) != "SysListView32") return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// One step per tick: type the folder into the name box and open it; once the dialog lists
// the folder's files, select them all and press the open button. Cancels after five seconds.
void CALLBACK DriveFileDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindFileDialog, reinterpret_cast<LPARAM>(&dialog));
    if (++g_driver.ticks > 100 || !dialog) {
        if (g_driver.ticks > 100) {
            ::KillTimer(nullptr, timer);
            if (dialog) ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        return;
    }
    if (!g_driver.wentToFolder) {
        ::SetDlgItemTextW(dialog, cmb13, g_driver.folder.c_str());
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        g_driver.wentToFolder = true;
        return;
    }
    HWND list = nullptr;
    ::EnumChildWindows(dialog, FindShellList, reinterpret_cast<LPARAM>(&list));
    if (!list || ::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) != g_driver.files) return;
    LVITEMA all{};
    all.state = all.stateMask = LVIS_SELECTED;
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
    g_driver.selectedAll = true;
    ::KillTimer(nullptr, timer);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

class RealFileDialog : public EditorTest {
protected:
    // Readable files in a folder of their own, chosen all at once in the real dialog.
    std::vector<std::string> MakeFiles(const std::vector<std::string>& names) {
        std::vector<std::string> paths;
        for (const std::string& name : names) {
            paths.push_back(chosen / name);
            EXPECT_TRUE(WriteFileBytes(paths.back(), ""));
            decoder.fileInfo[paths.back()] = CFileInfo{"title of " + name, "", 1};
        }
        return paths;
    }
    void ChooseAllInTheRealDialog(int files) {
        g_driver = DialogDriver{Editor(), Wide(chosen.Path()), files};
        ::SetTimer(nullptr, 0, 50, DriveFileDialog);
        Press(IDC_ADD);
        ASSERT_TRUE(g_driver.selectedAll);
    }

    CTempFolder chosen{"vz3chosen"};
};

TEST_F(RealFileDialog, SeveralJapaneseNamesArriveWhole) {
    const std::vector<std::string> paths = MakeFiles({"表示.mp3", "ソフト.mp3", "歌.mp3"});
    OpenEditor();
    ChooseAllInTheRealDialog(3);
    std::vector<std::string> sorted = Entries();
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> expected = paths;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, sorted);
    EXPECT_EQ(Entries(), Column(4));
    EXPECT_TRUE(Saved());
}

TEST_F(RealFileDialog, SelectingMoreThanTheBufferHoldsTakesNothingAndSaysSo) {
    std::vector<std::string> names;
    for (int i = 0; i < 260; ++i) {
        char name[96];
        std::snprintf(name, sizeof name, "%03d-a-long-name-that-makes-the-selection-overflow.mp3",
                      i);
        names.push_back(name);
    }
    MakeFiles(names);
    CMessageBoxScript boxes;
    boxes.Then(IDOK);
    WriteList(1);
    OpenEditor();
    ChooseAllInTheRealDialog(260);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("いっぺんにえらびすぎだよ。もうちょっとへらしてね。", boxes.Shown()[0].text);
    EXPECT_EQ(Editor(), boxes.Shown()[0].owner);
    EXPECT_EQ(1u, Entries().size());
    EXPECT_EQ(1u, Column(0).size());
    EXPECT_FALSE(Saved());
}

} // namespace
