// Presses, releases, double clicks, the right-click menu, the timer and the private messages of
// the main window, sent as the system would deliver them.
#include "tests/support/PlayerDlgFixture.h"

#include "mainwnd/RunTables.h"
#include "res/Messages.h"
#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalRun.h"
#include "tests/support/Pixels.h"
#include "tests/support/PopupMenuScript.h"

#include <vector>

namespace {

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

class MainWindowInput : public PlayerDlgTest {
protected:
    void SetUp() override { dlg = OpenDlg(); }
    void TearDown() override {
        if (dlg->Hwnd()) dlg->DestroyWindow();
    }
    HWND Wnd() const { return dlg->Hwnd(); }
    void Press(int x, int y) { ::SendMessageA(Wnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
    void Release(int x, int y) { ::SendMessageA(Wnd(), WM_LBUTTONUP, 0, At(x, y)); }
    void Click(int x, int y) {
        Press(x, y);
        Release(x, y);
    }
    void RightClick(int x, int y) { ::SendMessageA(Wnd(), WM_RBUTTONUP, 0, At(x, y)); }
    void Tick() { ::SendMessageA(Wnd(), WM_TIMER, 1, 0); }
    void Play() {
        decoder.Open("C:\\a.mp3");
        decoder.Play();
        decoder.ClearCalls();
    }
    bool Topmost() const { return (::GetWindowLongPtrA(Wnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    // The stop button shows its idle look on the screen.
    bool StopLooksIdle() const {
        HBITMAP back = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACK));
        const CPixels idle = ReadBitmap(back);
        ::DeleteObject(back);
        HDC windowDC = ::GetDC(Wnd());
        const CPixels now = ReadDC(windowDC, 233, 206);
        ::ReleaseDC(Wnd(), windowDC);
        const mainwnd::RunTable stop = mainwnd::ButtonRegion(mainwnd::BUTTON_STOP);
        for (int y = 94; y <= 114; ++y) {
            for (int x = 14; x <= 96; ++x) {
                if (stop.Contains(x, y) && idle.At(x, y) != now.At(x, y)) return false;
            }
        }
        return true;
    }
    // The automatic shrink switched on as the mini window's menu does (no action of the user's
    // on the main window).
    void AutoShrinkOn() { ::SendMessageA(Wnd(), WM_MINI_COMMAND, ID_AUTOSHRINK, 0); }

    std::unique_ptr<CPlayerDlg> dlg;
};

TEST_F(MainWindowInput, PressDrawsAndCapturesReleaseActs) {
    Play();
    s_now += 5;
    Press(16, 100);
    EXPECT_EQ(Wnd(), ::GetCapture());
    EXPECT_FALSE(StopLooksIdle()); // drawn pressed
    s_now += 1;
    Release(20, 110);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(StopLooksIdle());
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State()); // the stop button stopped playback
}

TEST_F(MainWindowInput, ReleaseOffThePressedButtonDoesNothing) {
    Play();
    Press(16, 100);
    Release(200, 150); // slid off onto the character
    EXPECT_TRUE(StopLooksIdle());
    EXPECT_TRUE(decoder.Calls().empty());
    Release(16, 100); // the press is over: a second release on stop does nothing either
    EXPECT_TRUE(decoder.Calls().empty());

    Press(20, 130);   // previous
    Release(70, 130); // released on next
    EXPECT_TRUE(decoder.Calls().empty());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
}

TEST_F(MainWindowInput, ReleaseWithoutPressDoesNothing) {
    Play();
    Release(16, 100);
    EXPECT_TRUE(decoder.Calls().empty());
}

TEST_F(MainWindowInput, ExitButtonAsksAndNoKeepsThePlayer) {
    CMessageBoxScript boxes;
    boxes.Then(IDNO);
    Click(105, 164);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("どうせすてるんでしょ？", boxes.Shown()[0].text);
    EXPECT_EQ("きえてほしい？", boxes.Shown()[0].caption);
    EXPECT_TRUE(::IsWindowVisible(Wnd()));
    EXPECT_FALSE(IniExists());
}

TEST_F(MainWindowInput, ExitButtonAndYesEndsTheRun) {
    dlg->DestroyWindow();
    dlg = MakeDlg();
    CMessageBoxScript boxes;
    boxes.Then(IDYES);
    const INT_PTR result = RunModal(*dlg, [this](HWND h) {
        ::SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, At(105, 164));
        ::SendMessageA(h, WM_LBUTTONUP, 0, At(105, 164));
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("0", IniValue("DLGMTOP"));
}

TEST_F(MainWindowInput, MenuExitAsks) {
    CPopupMenuScript menu;
    menu.Then(ID_EXIT);
    CMessageBoxScript boxes;
    boxes.Then(IDNO);
    RightClick(200, 100);
    EXPECT_EQ(1u, boxes.Shown().size());
    EXPECT_FALSE(IniExists()); // the exit command alone saves nothing
}

TEST_F(MainWindowInput, MenuOpensAtTheClickAndTogglesTopmostWithASave) {
    CPopupMenuScript menu;
    menu.Then(ID_TOPMOST).Then(ID_TOPMOST);
    ::SetWindowPos(Wnd(), nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    s_now += 7;
    RightClick(30, 40);
    ASSERT_EQ(1u, menu.Shown().size());
    EXPECT_EQ(static_cast<UINT>(ID_PLAYPAUSE), ::GetMenuItemID(menu.Shown()[0].menu, 0));
    EXPECT_EQ(130, menu.Shown()[0].screen.x);
    EXPECT_EQ(120, menu.Shown()[0].screen.y);
    EXPECT_EQ(Wnd(), menu.Shown()[0].owner);
    EXPECT_EQ(static_cast<UINT>(TPM_RIGHTBUTTON | TPM_RETURNCMD), menu.Shown()[0].flags);
    EXPECT_TRUE(IsChecked(*dlg, ID_TOPMOST));
    EXPECT_TRUE(Topmost());
    EXPECT_EQ("8", IniValue("DLGMTOP"));
    EXPECT_EQ("100", IniValue("DLGPOSX"));
    RECT rect;
    ::GetWindowRect(Wnd(), &rect);
    EXPECT_EQ(100, rect.left); // switching does not move the window

    RightClick(30, 40);
    EXPECT_FALSE(IsChecked(*dlg, ID_TOPMOST));
    EXPECT_FALSE(Topmost());
    EXPECT_EQ("0", IniValue("DLGMTOP"));
}

TEST_F(MainWindowInput, MenuTogglesAutoShrinkWithASave) {
    CPopupMenuScript menu;
    menu.Then(ID_AUTOSHRINK).Then(ID_AUTOSHRINK);
    RightClick(200, 100);
    EXPECT_EQ("8", IniValue("DLGMMIN"));
    EXPECT_TRUE(LastActionWas(*dlg, s_now)); // the timer shrinks now
    EXPECT_TRUE(IsChecked(*dlg, ID_AUTOSHRINK));
    EXPECT_TRUE(::KillTimer(Wnd(), 1)); // on: the one-second look at the clock runs
    RightClick(200, 100);
    EXPECT_FALSE(IsChecked(*dlg, ID_AUTOSHRINK));
    EXPECT_EQ("0", IniValue("DLGMMIN"));
    TickAt(*dlg, s_now + 1000); // and never again
    EXPECT_FALSE(IsShrunk(*dlg));
}

TEST_F(MainWindowInput, DismissedMenuSavesNothing) {
    CPopupMenuScript menu;
    menu.Then(0);
    Play();
    RightClick(200, 100);
    EXPECT_FALSE(IniExists());
    EXPECT_TRUE(decoder.Calls().empty());
}

TEST_F(MainWindowInput, MiniWindowCommandsSaveFirstEvenWhenTheyDoNothing) {
    ::SendMessageA(Wnd(), WM_MINI_COMMAND, 0, 0);
    EXPECT_EQ("0", IniValue("DLGPOSX"));
    EXPECT_EQ("0", IniValue("DLGMMIN"));
    const time_t start = s_now;
    AutoShrinkOn();
    EXPECT_EQ("8", IniValue("DLGMMIN"));
    EXPECT_TRUE(LastActionWas(*dlg, start)); // switched on, and no action of the user's here
    EXPECT_TRUE(IsChecked(*dlg, ID_AUTOSHRINK));
}

TEST_F(MainWindowInput, PressesReleasesAndRightClicksRestartTheIdleClock) {
    AutoShrinkOn();
    s_now += 170;
    Press(20, 160); // the ticker button
    EXPECT_TRUE(LastActionWas(*dlg, s_now));
    s_now += 3;
    Release(20, 160);
    EXPECT_TRUE(LastActionWas(*dlg, s_now));
    CPopupMenuScript menu;
    menu.Then(0).Then(0);
    s_now += 9;
    RightClick(200, 180);
    EXPECT_TRUE(LastActionWas(*dlg, s_now));
    // A double click and the timer are no actions of the user's.
    s_now += 9;
    RightClick(200, 180);
    const time_t last = s_now;
    s_now += 5;
    ::SendMessageA(Wnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(20, 160));
    Tick();
    EXPECT_TRUE(LastActionWas(*dlg, last));
}

TEST_F(MainWindowInput, RestoreFromTheMiniWindowShowsThePlayerAgain) {
    ::ShowWindow(Wnd(), SW_HIDE);
    s_now += 42;
    const time_t restored = s_now;
    ::SendMessageA(Wnd(), WM_MINI_RESTORE, 300, 400);
    EXPECT_TRUE(::IsWindowVisible(Wnd()));
    EXPECT_FALSE(::GetWindowLongPtrA(Wnd(), GWL_EXSTYLE) & WS_EX_TOPMOST); // as the menu says
    AutoShrinkOn();
    EXPECT_TRUE(LastActionWas(*dlg, restored)); // the idle clock starts again there
}

TEST_F(MainWindowInput, ButtonsAndMenuCommandsEachDoTheirOwn) {
    dlg->DestroyWindow();
    WriteIni("[VIZURE3]\r\nREGNUM=3\r\nFILENAME0000=C:\\m\\0.mp3\r\n"
             "FILENAME0001=C:\\m\\1.mp3\r\nFILENAME0002=C:\\m\\2.mp3\r\n"
             "PLANTED=1\r\n");
    dlg = OpenDlg();
    // From stopped, the skin's next and previous only move the current entry...
    Click(80, 130);
    Click(80, 130);
    Click(30, 130);
    EXPECT_EQ("", decoder.OpenPath());
    CPopupMenuScript menu;
    auto choose = [&](UINT id) {
        menu.Then(id);
        RightClick(200, 100);
    };
    choose(ID_PLAYPAUSE);
    EXPECT_EQ("C:\\m\\1.mp3", decoder.OpenPath()); // ...which the play key then plays
    Click(50, 100);                                // the stop key
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    choose(ID_NEXTTRACK); // while the menu's next and previous play, also from stopped
    EXPECT_EQ("C:\\m\\2.mp3", decoder.OpenPath());
    choose(ID_STOP);
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    choose(ID_PREVTRACK);
    EXPECT_EQ("C:\\m\\1.mp3", decoder.OpenPath());
    Click(60, 70); // the play key pauses
    EXPECT_EQ(IDecoder::STATE_PAUSED, decoder.State());

    // Commands of their own, and ids that are none.
    decoder.ClearCalls();
    choose(0);
    choose(12345);
    EXPECT_TRUE(decoder.Calls().empty());
    EXPECT_EQ("1", IniValue("PLANTED")); // nothing saved
    choose(ID_AUTOSHRINK);
    EXPECT_TRUE(IsChecked(*dlg, ID_AUTOSHRINK));
    choose(ID_TOPMOST);
    EXPECT_TRUE(Topmost());
    CMessageBoxScript boxes;
    boxes.Then(IDNO);
    choose(ID_EXIT);
    EXPECT_EQ(1u, boxes.Shown().size());
    EXPECT_TRUE(decoder.Calls().empty());
}

TEST_F(MainWindowInput, DoubleClickOnAButtonActsAgain) {
    Play();
    ::SendMessageA(Wnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(16, 100)); // stop
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    EXPECT_TRUE(::IsWindowVisible(Wnd())); // a double click on a button never shrinks
}

} // namespace
