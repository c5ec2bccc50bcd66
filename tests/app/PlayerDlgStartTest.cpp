// Start-up of the main window: settings from the INI file, the playlist, the menu, teardown.
#include "tests/support/PlayerDlgFixture.h"

#include "playback/ControlCodes.h"
#include "res/Messages.h"
#include "res/resource.h"
#include "companions/Topmost.h"
#include "tests/support/ResourceCounts.h"

#include <vector>

namespace {

std::string WindowText(HWND hwnd) {
    char text[256] = {};
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

TEST_F(PlayerDlgTest, FirstStartWithoutIniFile) {
    auto dlg = OpenDlg();
    HWND hwnd = dlg->Hwnd();
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(233, rect.right - rect.left);
    EXPECT_EQ(206, rect.bottom - rect.top);
    EXPECT_TRUE(::IsWindowVisible(hwnd));

    const LONG_PTR ex = ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    EXPECT_FALSE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_APPWINDOW);                       // a taskbar button...
    EXPECT_EQ("ぴこもちＭＰ３プレーヤー", WindowText(hwnd)); // ...with the title
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ex & WS_EX_ACCEPTFILES);
    const LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));

    EXPECT_FALSE(IniExists());  // starting writes nothing
    TickAt(*dlg, s_now + 1000); // the automatic shrink is off
    EXPECT_FALSE(IsShrunk(*dlg));
    // An empty playlist: nothing to play.
    EXPECT_FALSE(dlg->PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ("", decoder.OpenPath());
    EXPECT_FALSE(IsChecked(*dlg, ID_TOPMOST));
    EXPECT_FALSE(IsChecked(*dlg, ID_AUTOSHRINK));
    EXPECT_FALSE(::KillTimer(hwnd, 1)); // with the shrink off no one-second timer wakes it
    dlg->DestroyWindow();
}

TEST_F(PlayerDlgTest, SavedSettingsPlaceTheWindowAndCheckTheMenu) {
    WriteIni("[VIZURE3]\r\nDLGPOSX=120\r\nDLGPOSY=-30\r\nDLGMTOP=8\r\nDLGMMIN=8\r\n");
    const time_t start = s_now;
    auto dlg = OpenDlg();
    EXPECT_TRUE(LastActionWas(*dlg, start)); // the shrink is on, counted from the start
    RECT rect;
    ::GetWindowRect(dlg->Hwnd(), &rect);
    EXPECT_EQ(120, rect.left);
    EXPECT_EQ(-30, rect.top);
    const LONG_PTR ex = ::GetWindowLongPtrA(dlg->Hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_FALSE(ex & WS_EX_APPWINDOW); // no taskbar button
    EXPECT_TRUE(::IsWindowVisible(dlg->Hwnd()));
    EXPECT_TRUE(IsChecked(*dlg, ID_TOPMOST));
    EXPECT_TRUE(IsChecked(*dlg, ID_AUTOSHRINK));
    dlg->DestroyWindow();
}

TEST_F(PlayerDlgTest, APositionOffEveryScreenComesBackWithinReach) {
    RECT work{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)); // one screen here
    struct Case {
        int savedX, savedY, x, y;
    };
    const Case cases[] = {
        {5000, 5000, work.right - 233, work.bottom - 206},
        {-3000, 0, work.left, 0},
        {work.right - 32, work.bottom - 32, work.right - 32, work.bottom - 32}, // just within reach
    };
    for (const Case& c : cases) {
        const std::string saved = "[VIZURE3]\r\nDLGPOSX=" + std::to_string(c.savedX) +
                                  "\r\nDLGPOSY=" + std::to_string(c.savedY) + "\r\n";
        WriteIni(saved);
        auto dlg = OpenDlg();
        RECT rect;
        ::GetWindowRect(dlg->Hwnd(), &rect);
        EXPECT_EQ(c.x, rect.left) << c.savedX;
        EXPECT_EQ(c.y, rect.top) << c.savedY;
        EXPECT_EQ(saved, ReadFileBytes(iniPath));           // nothing written at start
        ::SendMessageA(dlg->Hwnd(), WM_MINI_COMMAND, 0, 0); // the next save: where it stands
        EXPECT_EQ(std::to_string(c.x), IniValue("DLGPOSX"));
        EXPECT_EQ(std::to_string(c.y), IniValue("DLGPOSY"));
        dlg->DestroyWindow();
    }
}

TEST_F(PlayerDlgTest, HandEditedTopmostOneIsOnTopButUnchecked) {
    WriteIni("[VIZURE3]\r\nDLGMTOP=1\r\n");
    auto dlg = OpenDlg();
    EXPECT_TRUE(::GetWindowLongPtrA(dlg->Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IsChecked(*dlg, ID_TOPMOST));
    ::SendMessageA(dlg->Hwnd(), WM_MINI_COMMAND, 0, 0); // saves the settings
    EXPECT_EQ("0", IniValue("DLGMTOP"));
    dlg->DestroyWindow();
}

TEST_F(PlayerDlgTest, SaveWritesTheFourKeysFromWindowAndMenu) {
    auto dlg = OpenDlg();
    ::SetWindowPos(dlg->Hwnd(), nullptr, 77, 66, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::CheckMenuItem(PopupMenuOf(*dlg), ID_AUTOSHRINK, MF_BYCOMMAND | MF_CHECKED);
    ::SendMessageA(dlg->Hwnd(), WM_MINI_COMMAND, 0, 0); // saves the settings
    EXPECT_EQ("77", IniValue("DLGPOSX"));
    EXPECT_EQ("66", IniValue("DLGPOSY"));
    EXPECT_EQ("0", IniValue("DLGMTOP"));
    EXPECT_EQ("8", IniValue("DLGMMIN"));
    dlg->DestroyWindow();
}

TEST_F(PlayerDlgTest, ApplyTopmostSwitchesBothWaysWithoutMoving) {
    auto dlg = OpenDlg();
    HWND hwnd = dlg->Hwnd();
    ::SetWindowPos(hwnd, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::SetWindowTextA(hwnd, "");
    ApplyTopmost(hwnd, 8);
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    EXPECT_EQ(40, rect.left);
    EXPECT_EQ(50, rect.top);
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_TRUE(::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ("", WindowText(hwnd)); // the title is set only for the taskbar button

    ::ShowWindow(hwnd, SW_HIDE);
    ApplyTopmost(hwnd, 0);
    EXPECT_TRUE(::IsWindowVisible(hwnd)); // shown again whatever it was before
    EXPECT_FALSE(::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ("ぴこもちＭＰ３プレーヤー", WindowText(hwnd));
    dlg->DestroyWindow();
}

TEST_F(PlayerDlgTest, PlaylistIsLoadedAtStartWithTheFirstEntryCurrent) {
    WriteIni("[VIZURE3]\r\nREGNUM=2\r\nFILENAME0000=C:\\a.mp3\r\nFILENAME0001=C:\\表.mp3\r\n");
    auto dlg = OpenDlg();
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ("C:\\a.mp3", decoder.OpenPath());
    ASSERT_TRUE(dlg->PlayerControl(PC_NEXTPLAY));
    EXPECT_EQ("C:\\表.mp3", decoder.OpenPath());
    ASSERT_TRUE(dlg->PlayerControl(PC_NEXTPLAY)); // two entries: back to the first
    EXPECT_EQ("C:\\a.mp3", decoder.OpenPath());
    dlg->DestroyWindow();
}

TEST_F(PlayerDlgTest, PopupMenuHoldsTheCommandsInOrder) {
    auto dlg = OpenDlg();
    HMENU menu = PopupMenuOf(*dlg);
    ASSERT_NE(nullptr, menu);
    const std::vector<std::pair<UINT, std::string>> expected = {
        {ID_PLAYPAUSE, "さいせぇ（一時停止）"},
        {ID_STOP, "てーし"},
        {ID_PREVTRACK, "前の曲に戻る"},
        {ID_NEXTTRACK, "次の曲へ進む"},
        {0, ""},
        {ID_TOPMOST, "前面に表示する"},
        {ID_AUTOSHRINK, "勝手に小さくなる"},
        {0, ""},
        {ID_EXIT, "終了"}};
    ASSERT_EQ(static_cast<int>(expected.size()), ::GetMenuItemCount(menu));
    for (size_t i = 0; i < expected.size(); ++i) {
        char text[128] = {};
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(expected[i].second, text) << i;
        if (expected[i].first)
            EXPECT_EQ(expected[i].first, ::GetMenuItemID(menu, static_cast<int>(i)));
        else
            EXPECT_TRUE(::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR);
    }
    dlg->DestroyWindow();
}

TEST_F(PlayerDlgTest, TeardownReleasesTheDecoderFirstAndTheWindowLast) {
    auto dlg = OpenDlg();
    // The volume the INI file keeps (none: full) before anything plays.
    EXPECT_EQ((std::vector<std::string>{"Init", "SetCallback", "SetVolume(100)"}), decoder.Calls());
    decoder.ClearCalls();
    HWND hwnd = dlg->Hwnd();
    dlg->DestroyWindow();
    EXPECT_EQ((std::vector<std::string>{"Stop", "Close", "Free"}), decoder.Calls());
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(nullptr, dlg->Hwnd());
    // The controller and the playlist went with the window.
    decoder.ClearCalls();
    EXPECT_FALSE(dlg->PlayerControl(PC_PLAYPAUSE));
    EXPECT_TRUE(decoder.Calls().empty());
}

TEST_F(PlayerDlgTest, OpeningAndClosingLeaksNothing) {
    // One round first: the system creates caches (fonts, classes) on first use.
    OpenDlg()->DestroyWindow();
    const int gdi = CountGdiObjects();
    ASSERT_GT(gdi, 0) << "GDI objects cannot be counted here";
    const int windows = CountThreadWindows();
    const int handles = CountKernelHandles();
    for (int i = 0; i < 20; ++i)
        OpenDlg()->DestroyWindow();
    // Each round shows one shaped window, the player's: what the system keeps of that is not ours.
    EXPECT_EQ(gdi + 20 * GdiObjectsKeptPerShapedShow(), CountGdiObjects());
    EXPECT_EQ(windows, CountThreadWindows());
    EXPECT_EQ(handles, CountKernelHandles());
}

} // namespace
