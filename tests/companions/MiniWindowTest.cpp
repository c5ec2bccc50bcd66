// The mini window as the main window runs it: its shape, the two shrinks, the way back, its
// menu.
#include "companions/MiniShape.h"
#include "res/Messages.h"
#include "res/resource.h"
#include "tests/support/Pixels.h"
#include "tests/support/PlayerDlgFixture.h"
#include "tests/support/ModalRun.h"
#include "tests/support/PopupMenuScript.h"

#include <vector>

namespace {

std::string WindowText(HWND hwnd) {
    char text[256] = {};
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

LONG_PTR ExStyle(HWND hwnd) {
    return ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
}

class MiniWindow : public PlayerDlgTest {
protected:
    void SetUp() override {
        WriteIni("[VIZURE3]\r\nDLGPOSX=300\r\nDLGPOSY=200\r\n");
        dlg = OpenDlg();
        mini = PlayerDlgTest::MiniWindow();
        ASSERT_NE(nullptr, mini);
    }
    void TearDown() override { dlg->DestroyWindow(); }
    RECT Rect(HWND hwnd) const {
        RECT rect{};
        ::GetWindowRect(hwnd, &rect);
        return rect;
    }
    void DoubleClickMain(int x, int y) {
        ::SendMessageA(dlg->Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    }
    void RightClickMini() { ::SendMessageA(mini, WM_RBUTTONUP, 0, MAKELPARAM(35, 50)); }

    std::unique_ptr<CPlayerDlg> dlg;
    HWND mini = nullptr;
};

TEST_F(MiniWindow, TheRegionIsTheFiguresRuns) {
    // Worked out from the figure's 101 runs: 4604 pixels in rows 0 to 99, columns 0 to 69.
    HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(mini, rgn));
    EXPECT_EQ(4604, RegionArea(rgn));
    EXPECT_EQ("", RegionVersusTable(rgn, mini::FigureRuns()));
    RECT box;
    ::GetRgnBox(rgn, &box);
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_EQ(70, box.right);
    EXPECT_EQ(100, box.bottom);
    struct Point {
        int x, y;
        bool inside;
    };
    const Point points[] = {
        {36, 0, true},  {42, 0, true},   {35, 0, false},  {43, 0, false},  // row 0: 36-42
        {0, 53, true},  {69, 53, true},  {0, 52, false},  {70, 53, false}, // row 53: 0-69
        {14, 78, true}, {54, 78, true},  {13, 78, false}, {55, 78, false}, // row 78: 14-54
        {34, 98, true}, {44, 98, true},  {45, 98, false}, {46, 98, true},  // row 98: two runs
        {54, 98, true}, {55, 98, false}, {34, 99, true},  {44, 99, false}, // row 99: 34-43
    };
    for (const Point& p : points)
        EXPECT_EQ(p.inside, ::PtInRegion(rgn, p.x, p.y) != FALSE) << p.x << "," << p.y;
    ::DeleteObject(rgn);
}

TEST_F(MiniWindow, ADoubleClickShrinksAndTheMiniWindowBringsThePlayerBackWhereItWas) {
    EXPECT_FALSE(::IsWindowVisible(mini)); // hidden until the first shrink
    DoubleClickMain(200, 180);             // on the figure, outside the buttons
    ASSERT_TRUE(IsShrunk(*dlg));
    const RECT main = Rect(dlg->Hwnd()), small = Rect(mini);
    EXPECT_EQ(main.right, small.right); // the bottom-right corners meet
    EXPECT_EQ(main.bottom, small.bottom);
    EXPECT_EQ(70, small.right - small.left); // the figure's bitmap, whatever the font
    EXPECT_EQ(100, small.bottom - small.top);
    ::SetWindowPos(mini, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // dragged away
    RestoreFromMini();
    EXPECT_TRUE(::IsWindowVisible(dlg->Hwnd()));
    EXPECT_FALSE(::IsWindowVisible(mini));
    EXPECT_EQ(300, Rect(dlg->Hwnd()).left); // at its own old place
    EXPECT_EQ(200, Rect(dlg->Hwnd()).top);
    DoubleClickMain(200, 180); // each shrink places the mini window again
    EXPECT_EQ(Rect(dlg->Hwnd()).right, Rect(mini).right);
    RestoreFromMini();
}

TEST_F(MiniWindow, TheKeyboardComesToItAndItsKeysActOnThePlayer) {
    DoubleClickMain(200, 180);
    ASSERT_TRUE(IsShrunk(*dlg));
    EXPECT_EQ(mini, ::GetFocus()); // not its picture, which would take the arrows to move on
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_DOWN, 1);
    PumpMessages();
    EXPECT_EQ(90, decoder.Volume());
    RestoreFromMini();
}

TEST_F(MiniWindow, TheTimerShrinksAfterMoreThanThreeIdleMinutes) {
    const time_t start = s_now;
    TickAt(*dlg, start + 1000); // the automatic shrink is off
    EXPECT_FALSE(IsShrunk(*dlg));
    CPopupMenuScript menu;
    menu.Then(ID_AUTOSHRINK);
    s_now = start;
    ::SendMessageA(dlg->Hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(200, 100));
    TickAt(*dlg, start + 180);
    EXPECT_FALSE(IsShrunk(*dlg));
    TickAt(*dlg, start + 181);
    EXPECT_TRUE(IsShrunk(*dlg));
    EXPECT_EQ(Rect(dlg->Hwnd()).right, Rect(mini).right);
    EXPECT_EQ(Rect(dlg->Hwnd()).bottom, Rect(mini).bottom);
    TickAt(*dlg, start + 5000); // shrunk: nothing more
    EXPECT_TRUE(IsShrunk(*dlg));
    RestoreFromMini();
}

TEST_F(MiniWindow, ItsMenuIsTheMainWindowsAndSavesThroughIt) {
    DoubleClickMain(200, 180);
    CPopupMenuScript menu;
    menu.Then(0).Then(ID_AUTOSHRINK).Then(ID_TOPMOST);
    RightClickMini(); // dismissed: the settings are saved all the same
    ASSERT_EQ(1u, menu.Shown().size());
    EXPECT_EQ(mini, menu.Shown()[0].owner);
    EXPECT_EQ(static_cast<UINT>(TPM_RIGHTBUTTON | TPM_RETURNCMD), menu.Shown()[0].flags);
    EXPECT_EQ("300", IniValue("DLGPOSX"));
    EXPECT_EQ("0", IniValue("DLGMMIN"));
    RightClickMini(); // the automatic shrink, switched as in the main window's menu
    EXPECT_EQ("8", IniValue("DLGMMIN"));

    // Always on top: the mini window at once, the main window when it comes back.
    EXPECT_TRUE(ExStyle(mini) & WS_EX_APPWINDOW);
    EXPECT_EQ("ぴこもちＭＰ３プレーヤー", WindowText(mini));
    RightClickMini();
    EXPECT_TRUE(ExStyle(mini) & WS_EX_TOPMOST);
    EXPECT_FALSE(ExStyle(mini) & WS_EX_APPWINDOW); // no taskbar button
    EXPECT_TRUE(ExStyle(mini) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(::IsWindowVisible(mini));
    EXPECT_FALSE(ExStyle(dlg->Hwnd()) & WS_EX_TOPMOST);
    EXPECT_EQ("0", IniValue("DLGMTOP")); // not saved from here
    RestoreFromMini();
    EXPECT_TRUE(ExStyle(dlg->Hwnd()) & WS_EX_TOPMOST);
    EXPECT_FALSE(ExStyle(dlg->Hwnd()) & WS_EX_APPWINDOW);
}

} // namespace
