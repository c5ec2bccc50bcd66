// Files dropped from the shell on the main window, through a real WM_DROPFILES, and files
// given on the command line.
#include "tests/support/PlayerDlgFixture.h"

#include "playlist/Playlist.h"
#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalRun.h"
#include "tests/support/Pixels.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

namespace {

// A drop handle as the shell makes it: DROPFILES followed by the paths, each ending in a zero,
// and one more zero. The receiver frees it with DragFinish.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& p : paths)
        list += p + '\0';
    list += '\0';
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    DROPFILES* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

class DropFilesWindow : public PlayerDlgTest {
protected:
    std::string Readable(const std::string& name) {
        const std::string path = folder / name;
        decoder.fileInfo[path] = CFileInfo{"title", "artist", 61};
        return path;
    }
    void Drop(const std::vector<std::string>& paths) {
        ::SendMessageA(dlg->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
    }
    std::unique_ptr<CPlayerDlg> dlg;
};

TEST_F(DropFilesWindow, JapanesePathsArriveWholeAndTheFirstPlays) {
    dlg = OpenDlg();
    // 表 and ソ end in 0x5C; the second path is longer than MAX_PATH.
    const std::string first = Readable("表示ソフト.mp3");
    const std::string longName = Readable(std::string(250, 'x') + "ソ.mp3");
    Drop({first, longName});
    ASSERT_EQ(2, dlg->m_pPlaylist->GetCount());
    CTrackEntry entry;
    ASSERT_TRUE(dlg->m_pPlaylist->GetAt(1, &entry));
    EXPECT_EQ(longName, entry.m_strPath);
    EXPECT_EQ(first, decoder.OpenPath());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    EXPECT_EQ("2", IniValue("REGNUM"));
    // The skin shows the playing state at once.
    HBITMAP back = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACK));
    const CPixels idle = ReadBitmap(back);
    ::DeleteObject(back);
    EXPECT_NE(idle.At(60, 70), ReadDC(dlg->m_pBackDC->Get(), 233, 206).At(60, 70));
    dlg->DestroyWindow();
}

TEST_F(DropFilesWindow, AnUnreadableFileGetsItsOwnBox) {
    CMessageBoxScript boxes;
    boxes.Then(IDOK);
    dlg = OpenDlg();
    const std::string good = Readable("good.mp3");
    Drop({folder / "folder-not-a-file", good});
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("ふぁいるがおーぷんできなかったよ。", boxes.Shown()[0].text);
    EXPECT_EQ("ふぁいるおーぷんえらー", boxes.Shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Shown()[0].flags);
    EXPECT_EQ(good, decoder.OpenPath());
    dlg->DestroyWindow();
}

TEST_F(DropFilesWindow, CommandLineFilesAreTakenOnceTheWindowIsUp) {
    const std::string path = Readable("opened-with.mp3");
    dlg = MakeDlg();
    dlg->m_startupFiles = {path};
    ASSERT_TRUE(dlg->Create(IDD_PLAYER, nullptr));
    EXPECT_EQ(0, dlg->m_pPlaylist->GetCount()); // not before the window is up
    PumpMessages();
    EXPECT_EQ(1, dlg->m_pPlaylist->GetCount());
    EXPECT_EQ(path, decoder.OpenPath());
    EXPECT_TRUE(dlg->m_startupFiles.empty());
    dlg->DestroyWindow();
}

} // namespace
