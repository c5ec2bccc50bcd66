// The main window's part in the ticker: the "i" button, the placement above the player, moving
// it along, bringing it back with the player, and what the player tells it.
#include "tests/support/PlayerDlgFixture.h"

#include "playback/ControlCodes.h"
#include "res/Messages.h"
#include "tests/companions/TickerPixels.h"
#include "tests/support/ModalRun.h"

namespace {

class TickerOfThePlayer : public PlayerDlgTest {
protected:
    void SetUp() override {
        WriteIni("[VIZURE3]\r\nDLGPOSX=200\r\nDLGPOSY=150\r\nREGNUM=2\r\n"
                 "FILENAME0000=C:\\m\\0.mp3\r\nFILENAME0001=C:\\m\\1.mp3\r\n"
                 "TRACKNAME0001=" +
                 kTitle + "\r\nREADDATA0001=1\r\n");
        dlg = OpenDlg();
        ticker = FindTicker();
        ASSERT_NE(nullptr, ticker);
    }
    void TearDown() override { dlg->DestroyWindow(); }
    // The main window's one 230 x 80 owned popup.
    HWND FindTicker() const {
        for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            RECT r;
            ::GetWindowRect(w, &r);
            if (::GetWindow(w, GW_OWNER) == Wnd() && r.right - r.left == 230 &&
                r.bottom - r.top == 80)
                return w;
        }
        return nullptr;
    }
    void ClickTickerButton() {
        ::SendMessageA(Wnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 165));
        ::SendMessageA(Wnd(), WM_LBUTTONUP, 0, MAKELPARAM(30, 165));
        ::UpdateWindow(ticker);
    }
    POINT TickerAt() const {
        RECT r;
        ::GetWindowRect(ticker, &r);
        return {r.left, r.top};
    }
    HWND Wnd() const { return dlg->m_hWnd; }

    const std::string kTitle = "おもちがふくらむ夜のうた";
    std::unique_ptr<CPlayerDlg> dlg;
    HWND ticker = nullptr;
};

TEST_F(TickerOfThePlayer, ButtonShowsItAboveThePlayerWhichTakesItAlong) {
    EXPECT_FALSE(::IsWindowVisible(ticker)); // created hidden
    ClickTickerButton();
    ASSERT_TRUE(::IsWindowVisible(ticker));
    EXPECT_EQ(200, TickerAt().x);
    EXPECT_EQ(100, TickerAt().y);

    ::SetWindowPos(Wnd(), nullptr, 300, 260, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(300, TickerAt().x);
    EXPECT_EQ(210, TickerAt().y);

    // Hidden with the player and shown again when it comes back, still switched on.
    ::ShowWindow(ticker, SW_HIDE);
    ::SendMessageA(Wnd(), WM_MINI_RESTORE, 0, 0);
    EXPECT_TRUE(::IsWindowVisible(ticker));

    // Switched off, it stays where it was while the player moves.
    ClickTickerButton();
    EXPECT_FALSE(::IsWindowVisible(ticker));
    ::SetWindowPos(Wnd(), nullptr, 50, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(300, TickerAt().x);
    ::SendMessageA(Wnd(), WM_MINI_RESTORE, 0, 0);
    EXPECT_FALSE(::IsWindowVisible(ticker));
    // A double click on the button: on with the first click, off with the double click.
    ClickTickerButton();
    ::SendMessageA(Wnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, 165));
    EXPECT_FALSE(::IsWindowVisible(ticker));
}

TEST_F(TickerOfThePlayer, PlayerTellsTheShownTickerTheEntryAndTheTime) {
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE)); // hidden: not told
    decoder.Notify(1, 75);
    PumpMessages();
    ClickTickerButton();
    EXPECT_EQ("001000:00", DigitsShown(TickerPixels(ticker))); // its last rendering

    decoder.Notify(1, 75);
    PumpMessages();
    EXPECT_EQ("001001:15", DigitsShown(TickerPixels(ticker)));
    ASSERT_TRUE(dlg->PlayerControl(PC_NEXT)); // a new track starts at 0
    EXPECT_EQ("002000:00", DigitsShown(TickerPixels(ticker)));
    decoder.Notify(1, 3);
    PumpMessages();
    EXPECT_EQ("002000:03", DigitsShown(TickerPixels(ticker)));
    // A player command renders the line afresh even for the same entry: it starts over.
    const std::string line = "　：　" + kTitle;
    s_now += 5;
    for (int i = 0; i < 4; ++i)
        ::SendMessageA(ticker, WM_TIMER, 1, 0);
    ASSERT_EQ(BandShowing(line, 6).rgb, BandOf(TickerPixels(ticker)).rgb);
    decoder.elapsedSec = 3;
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE)); // paused where it was
    EXPECT_EQ("002000:03", DigitsShown(TickerPixels(ticker)));
    EXPECT_EQ(BandShowing(line).rgb, BandOf(TickerPixels(ticker)).rgb);
    ASSERT_TRUE(dlg->PlayerControl(PC_STOP));
    EXPECT_EQ("002000:00", DigitsShown(TickerPixels(ticker)));
}

} // namespace
