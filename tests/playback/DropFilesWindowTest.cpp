// Files dropped from the shell on the main window, through a real WM_DROPFILES, and files
// given on the command line.
#include "tests/support/PlayerDlgFixture.h"

#include "framework/AnsiText.h"
#include "playback/ControlCodes.h"
#include "res/Messages.h"
#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalRun.h"
#include "tests/support/Pixels.h"
#include "tests/support/ShellDrop.h"

#include <vector>

namespace {

class DropFilesWindow : public PlayerDlgTest {
protected:
    std::string Readable(const std::string& name) {
        const std::string path = folder / name;
        decoder.fileInfo[path] = CFileInfo{"title", "artist", 61};
        return path;
    }
    // The test folder as the shell names it (UTF-16), with a final backslash.
    std::wstring ShellFolder() const {
        wchar_t wide[MAX_PATH] = {};
        ::MultiByteToWideChar(CP_ACP, 0, folder.Path().c_str(), -1, wide, MAX_PATH);
        return std::wstring(wide) + L"\\";
    }
    static bool WriteWideFile(const std::wstring& path) {
        HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        ::CloseHandle(file);
        return true;
    }
    void IniFileRemove() { ::DeleteFileA(iniPath.c_str()); }
    void Drop(const std::vector<std::string>& paths) {
        ::SendMessageA(dlg->Hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
    }
    std::unique_ptr<CPlayerDlg> dlg;
};

TEST_F(DropFilesWindow, JapanesePathsArriveWholeAndTheFirstPlays) {
    dlg = OpenDlg();
    // 表 and ソ end in 0x5C; the second path is longer than MAX_PATH.
    const std::string first = Readable("表示ソフト.mp3");
    const std::string longName = Readable(std::string(250, 'x') + "ソ.mp3");
    Drop({first, longName});
    EXPECT_EQ("2", IniValue("REGNUM"));
    EXPECT_EQ(first, IniValue("FILENAME0000"));
    char saved[1024] = {}; // longer than IniValue reads
    ::GetPrivateProfileStringA("VIZURE3", "FILENAME0001", "", saved, sizeof saved, iniPath.c_str());
    EXPECT_EQ(longName, saved);
    EXPECT_EQ(first, decoder.OpenPath());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    // The skin shows the playing state at once.
    HBITMAP back = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACK));
    const CPixels idle = ReadBitmap(back);
    ::DeleteObject(back);
    HDC windowDC = ::GetDC(dlg->Hwnd());
    EXPECT_NE(idle.At(60, 70), ReadDC(windowDC, 233, 206).At(60, 70));
    ::ReleaseDC(dlg->Hwnd(), windowDC);
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

TEST_F(DropFilesWindow, NamesWithoutAnExactFormAreNeverTakenByBestFit) {
    CMessageBoxScript boxes;
    boxes.Then(IDOK).Then(IDOK);
    dlg = OpenDlg();
    // Readable files named as best fit would turn the dropped names: "é" into "e", "¥" into a
    // backslash (a path into another folder).
    Readable("cafe.mp3");
    Readable("a\\b.mp3");
    const std::wstring base = ShellFolder();
    ::SendMessageA(dlg->Hwnd(), WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDropW({base + L"café.mp3", base + L"a¥b.mp3"})), 0);
    ASSERT_EQ(2u, boxes.Shown().size());
    for (const CShownMessageBox& box : boxes.Shown()) // no such files, so no short names either
        EXPECT_EQ("このふぁいるのなまえはむずかしくてよめないよ。ごめんね。", box.text);
    EXPECT_EQ("", decoder.OpenPath());
    EXPECT_FALSE(IniExists());
    dlg->DestroyWindow();
}

TEST_F(DropFilesWindow, NamesOutsideTheCodePageAreReachedByTheirShortNames) {
    const std::wstring base = ShellFolder();
    const std::vector<std::wstring> names = {base + L"한국어 노래.mp3",
                                             base + L"\U0001F3B5 歌.mp3"};
    std::vector<std::string> shortPaths;
    for (const std::wstring& name : names) {
        ASSERT_TRUE(WriteWideFile(name));
        wchar_t shortName[MAX_PATH] = {};
        ASSERT_GT(::GetShortPathNameW(name.c_str(), shortName, MAX_PATH), 0u);
        char ansi[MAX_PATH] = {};
        ::WideCharToMultiByte(CP_ACP, 0, shortName, -1, ansi, MAX_PATH, nullptr, nullptr);
        shortPaths.push_back(ansi);
        decoder.fileInfo[ansi] = CFileInfo{"t", "a", 3};
    }
    dlg = OpenDlg();
    ::SendMessageA(dlg->Hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropW(names)), 0);
    EXPECT_EQ("2", IniValue("REGNUM"));
    EXPECT_EQ(shortPaths[0], IniValue("FILENAME0000"));
    EXPECT_EQ(shortPaths[1], IniValue("FILENAME0001"));
    EXPECT_EQ(shortPaths[0], decoder.OpenPath());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    dlg->DestroyWindow();

    // A volume that keeps no short names gives the long name back: the player says it cannot
    // handle that name, instead of the read-failure message.
    IniFileRemove();
    const fw::ShortPathFunction system =
        fw::SetShortPathFunction([](const std::wstring& path) { return path; });
    CMessageBoxScript boxes;
    boxes.Then(IDOK);
    dlg = OpenDlg();
    ::SendMessageA(dlg->Hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropW({names[0]})), 0);
    fw::SetShortPathFunction(system);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("このふぁいるのなまえはむずかしくてよめないよ。ごめんね。", boxes.Shown()[0].text);
    EXPECT_EQ("なまえのえら～だよ。", boxes.Shown()[0].caption);
    EXPECT_FALSE(IniExists());
    dlg->DestroyWindow();
}

TEST_F(DropFilesWindow, AnEntryRemovedWhileABoxIsUpDoesNotMisdirectTheDrop) {
    WriteIni("[VIZURE3]\r\nREGNUM=3\r\nFILENAME0000=C:\\m\\0.mp3\r\n"
             "FILENAME0001=C:\\m\\1.mp3\r\nFILENAME0002=C:\\m\\2.mp3\r\n");
    dlg = OpenDlg();
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE));
    ASSERT_TRUE(dlg->PlayerControl(PC_NEXT)); // the second plays
    decoder.failingOpens.insert("C:\\m\\2.mp3");
    const std::string added = Readable("new.mp3");
    CMessageBoxScript boxes;
    // While the read-failure box is up, the second track ends; the third is missing and the
    // user has it removed, so the new entry moves from index 3 to 2.
    boxes
        .Then(IDOK,
              [this] {
                  decoder.EndTrack();
                  PumpMessages();
              })
        .Then(IDYES);
    Drop({added, folder / "unreadable.mp3"});
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ(added, decoder.OpenPath());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    dlg->DestroyWindow();
}

TEST_F(DropFilesWindow, CommandLineFilesAreTakenOnceTheWindowIsUp) {
    const std::string path = Readable("opened-with.mp3");
    dlg = MakeDlg();
    dlg->SetStartupFiles({path});
    ASSERT_TRUE(dlg->Create(IDD_PLAYER, nullptr));
    EXPECT_FALSE(IniExists()); // not before the window is up
    EXPECT_EQ("", decoder.OpenPath());
    PumpMessages();
    EXPECT_EQ("1", IniValue("REGNUM"));
    EXPECT_EQ(path, decoder.OpenPath());
    // Taken once: a second request finds nothing left to take.
    decoder.ClearCalls();
    ::SendMessageA(dlg->Hwnd(), WM_OPEN_STARTUP_FILES, 0, 0);
    EXPECT_TRUE(decoder.Calls().empty());
    dlg->DestroyWindow();
}

} // namespace
