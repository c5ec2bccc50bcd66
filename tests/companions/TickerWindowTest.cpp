// The title ticker on real windows under Wine, with the real font, as the main window runs it:
// its outline, what it shows, how its line moves, and where it stands.
#include "tests/support/PlayerDlgFixture.h"

#include "companions/TickerDlg.h"
#include "companions/TickerLayout.h"
#include "companions/TickerText.h"
#include "playback/ControlCodes.h"
#include "res/Messages.h"
#include "res/UiText.h"
#include "res/resource.h"
#include "tests/companions/TickerPixels.h"
#include "tests/support/ModalRun.h"
#include "tests/support/ResourceCounts.h"
#include "tests/support/PopupMenuScript.h"

namespace {

const std::string kArtist = "ぴこもち合唱団", kTitle = "おもちがふくらむ夜のうた";
const std::string kLine = kArtist + "　：　" + kTitle;

class Ticker : public PlayerDlgTest {
protected:
    void TearDown() override {
        if (dlg) dlg->DestroyWindow();
    }
    // The player at (200, 150) with entries of these artists and titles, and its ticker.
    void Open(const std::vector<std::pair<std::string, std::string>>& entries) {
        std::string ini =
            "[VIZURE3]\r\nDLGPOSX=200\r\nDLGPOSY=150\r\nREGNUM=" + std::to_string(entries.size()) +
            "\r\n";
        for (size_t i = 0; i < entries.size(); ++i) {
            const std::string n = "000" + std::to_string(i);
            ini += "FILENAME" + n + "=C:\\" + n + ".mp3\r\nARTISTNAME" + n + "=" +
                   entries[i].first + "\r\nTRACKNAME" + n + "=" + entries[i].second + "\r\n";
        }
        WriteIni(ini);
        dlg = OpenDlg();
        ticker = ::GetWindow(::GetDesktopWindow(), GW_CHILD);
        while (ticker && (::GetWindowThreadProcessId(ticker, nullptr) != ::GetCurrentThreadId() ||
                          !dynamic_cast<CTickerDlg*>(fw::CDialog::FromHandle(ticker))))
            ticker = ::GetWindow(ticker, GW_HWNDNEXT);
        ASSERT_NE(nullptr, ticker);
        EXPECT_FALSE(::KillTimer(ticker, 1)); // hidden: nothing ticks
    }
    // The ticker's key; the scroll timer runs exactly while the ticker is shown, and is stopped
    // here at once: the test ticks.
    void ClickTickerKey() {
        ::SendMessageA(dlg->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 165));
        ::SendMessageA(dlg->Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(30, 165));
        ::UpdateWindow(ticker);
        EXPECT_EQ(::IsWindowVisible(ticker) != FALSE, ::KillTimer(ticker, 1) != FALSE);
    }
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            ::SendMessageA(ticker, WM_TIMER, 1, 0);
    }
    // The library's notification of the elapsed seconds, as it reaches the ticker.
    void Tell(int elapsedSec) {
        decoder.Notify(1, elapsedSec);
        PumpMessages();
    }
    CPixels Band() const { return BandOf(TickerPixels(ticker)); }
    std::string Digits() const { return DigitsShown(TickerPixels(ticker)); }
    POINT At() const {
        RECT r;
        ::GetWindowRect(ticker, &r);
        return {r.left, r.top};
    }

    std::unique_ptr<CPlayerDlg> dlg;
    HWND ticker = nullptr;
};

TEST_F(Ticker, OutlineIsTheBalloonsRunsAndWithoutEntriesTheBannerShows) {
    Open({});
    HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(COMPLEXREGION, ::GetWindowRgn(ticker, rgn));
    std::vector<char> buffer(::GetRegionData(rgn, 0, nullptr));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    ASSERT_TRUE(::GetRegionData(rgn, static_cast<DWORD>(buffer.size()), data));
    long area = 0;
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        const RECT& r = reinterpret_cast<const RECT*>(data->Buffer)[i];
        area += (r.right - r.left) * (r.bottom - r.top);
    }
    EXPECT_EQ(12673 + 373, area); // the body's rows 1 to 56, the tail's rows 57 to 78
    EXPECT_EQ("", RegionVersusTable(rgn, ticker::BalloonRuns()));
    const RECT& box = data->rdh.rcBound;
    EXPECT_EQ(1, box.left);
    EXPECT_EQ(1, box.top);
    EXPECT_EQ(229, box.right);
    EXPECT_EQ(79, box.bottom);
    // Rows first to last run from column a to b: those ends are in, their neighbours out.
    const int runs[][4] = {
        {1, 1, 10, 220},    {2, 2, 7, 223},     {3, 3, 5, 224},     {4, 4, 4, 225},
        {5, 5, 3, 226},     {6, 7, 2, 227},     {8, 50, 1, 228},    {51, 51, 2, 227},
        {52, 52, 3, 226},   {53, 53, 4, 225},   {54, 54, 5, 224},   {55, 55, 6, 222},
        {56, 56, 8, 221},   {57, 57, 104, 135}, {58, 58, 105, 134}, {59, 60, 106, 133},
        {61, 61, 107, 132}, {62, 63, 108, 131}, {64, 64, 109, 130}, {65, 65, 110, 129},
        {66, 66, 111, 129}, {67, 67, 111, 128}, {68, 68, 112, 127}, {69, 70, 113, 126},
        {71, 71, 114, 125}, {72, 73, 115, 124}, {74, 74, 116, 123}, {75, 76, 117, 122},
        {77, 77, 118, 121}, {78, 78, 119, 120}};
    for (const auto& r : runs)
        for (int y = r[0]; y <= r[1]; ++y) {
            EXPECT_TRUE(::PtInRegion(rgn, r[2], y) && ::PtInRegion(rgn, r[3], y)) << y;
            EXPECT_FALSE(::PtInRegion(rgn, r[2] - 1, y) || ::PtInRegion(rgn, r[3] + 1, y)) << y;
        }
    ::DeleteObject(rgn);

    // With no entry: "000" and the banner.
    ClickTickerKey();
    EXPECT_EQ("000000:00", Digits());
    EXPECT_EQ(BandShowing(ui::kTickerBanner).rgb, Band().rgb);
}

TEST_F(Ticker, ShowsEachEntrysDigitsAndLineAndMovesOnlyWhatIsTooWide) {
    const std::string fits = TitleForLineWidth(210), wider = TitleForLineWidth(211);
    ASSERT_FALSE(fits.empty() || wider.empty());
    const std::string longTag(4094, 'W'); // as long as the INI file keeps a tag
    Open({{kArtist, kTitle}, {"", ""}, {"", fits}, {"", wider}, {longTag, longTag}});
    ClickTickerKey();
    EXPECT_EQ("001000:00", Digits());
    EXPECT_EQ(BandShowing(kLine).rgb, Band().rgb);
    Tell(3599);
    EXPECT_EQ("001059:59", Digits());
    ::SendMessageA(dlg->Hwnd(), WM_PLAYLIST_PLAY, 1, 0);
    EXPECT_EQ("002000:00", Digits());
    EXPECT_EQ(BandShowing("　：　").rgb, Band().rgb);

    // 210 pixels stand still, long past the pause; 211 move.
    ::SendMessageA(dlg->Hwnd(), WM_PLAYLIST_PLAY, 2, 0);
    s_now += 5;
    Tick(2);
    EXPECT_EQ(BandShowing("　：　" + fits).rgb, Band().rgb);
    ::SendMessageA(dlg->Hwnd(), WM_PLAYLIST_PLAY, 3, 0);
    s_now += 5;
    Tick(2);
    EXPECT_EQ(BandShowing("　：　" + wider, 2).rgb, Band().rgb);

    ::SendMessageA(dlg->Hwnd(), WM_PLAYLIST_PLAY, 4, 0);
    EXPECT_EQ(BandShowing(longTag).rgb, Band().rgb);
    // Enter and Escape do not close it.
    ::SendMessageA(ticker, WM_COMMAND, IDCANCEL, 0);
    ::SendMessageA(ticker, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindowVisible(ticker));
}

TEST_F(Ticker, UpdatesKeepTheLineMovingCommandsAndShowingStartItOver) {
    Open({{kArtist, kTitle}});
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE)); // playing; the ticker is off: not told
    ClickTickerKey();
    s_now += 5;
    Tick(4); // offsets 0, 2, 4, 6 drawn
    ASSERT_EQ(BandShowing(kLine, 6).rgb, Band().rgb);
    Tell(61); // the same entry: the digits only
    EXPECT_EQ("001001:01", Digits());
    Tick();
    EXPECT_EQ(BandShowing(kLine, 8).rgb, Band().rgb);
    decoder.elapsedSec = 62;
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE)); // paused: the line is rendered afresh
    EXPECT_EQ("001001:02", Digits());
    Tick(3);
    EXPECT_EQ(BandShowing(kLine).rgb, Band().rgb); // pausing again

    s_now += 5;
    Tick(3);
    ClickTickerKey(); // off: ticks move nothing
    Tick(2);
    ClickTickerKey(); // on again: at the start at once, pausing
    EXPECT_EQ(BandShowing(kLine).rgb, Band().rgb);
    Tick(2);
    EXPECT_EQ(BandShowing(kLine).rgb, Band().rgb);
    s_now += 5;
    Tick(2);
    EXPECT_EQ(BandShowing(kLine, 2).rgb, Band().rgb);
}

TEST_F(Ticker, StandsAboveThePlayerFollowsItAndHearsItOnlyWhenOn) {
    Open({{"", ""}, {"", ""}});
    EXPECT_FALSE(::IsWindowVisible(ticker)); // created hidden
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE));
    decoder.Notify(1, 75); // switched off: not told
    PumpMessages();
    ClickTickerKey();
    EXPECT_EQ("001000:00", Digits());
    EXPECT_EQ(200, At().x);
    EXPECT_EQ(100, At().y);
    EXPECT_EQ(dlg->Hwnd(), ::GetActiveWindow()); // the player keeps the keyboard
    CPopupMenuScript menu;
    menu.Then(ID_TOPMOST); // the player on top: the ticker goes on top with it
    ::SendMessageA(dlg->Hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(200, 100));
    ::SetWindowPos(dlg->Hwnd(), nullptr, 300, 260, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpMessages(); // the ticker follows in the window order once the change is over
    EXPECT_EQ(300, At().x);
    EXPECT_EQ(210, At().y);
    EXPECT_TRUE(::GetWindowLongPtrA(ticker, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::GetWindowLongPtrA(dlg->Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    menu.Then(ID_TOPMOST); // and off again, with it
    ::SendMessageA(dlg->Hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(200, 100));
    PumpMessages();
    EXPECT_FALSE(::GetWindowLongPtrA(ticker, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(ticker, ::GetWindow(dlg->Hwnd(), GW_HWNDNEXT)); // right behind the player
    decoder.Notify(1, 75);
    PumpMessages();
    EXPECT_EQ("001001:15", Digits());
    ASSERT_TRUE(dlg->PlayerControl(PC_NEXT)); // a new track starts at 0
    EXPECT_EQ("002000:00", Digits());

    // Hidden with the player and shown again when it comes back, still switched on.
    ::ShowWindow(ticker, SW_HIDE);
    ::SendMessageA(dlg->Hwnd(), WM_MINI_RESTORE, 0, 0);
    EXPECT_TRUE(::IsWindowVisible(ticker));
    // Off, it stays where it was while the player moves.
    ClickTickerKey();
    EXPECT_FALSE(::IsWindowVisible(ticker));
    ::SetWindowPos(dlg->Hwnd(), nullptr, 50, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(300, At().x);
    ::SendMessageA(dlg->Hwnd(), WM_MINI_RESTORE, 0, 0);
    EXPECT_FALSE(::IsWindowVisible(ticker));
}

TEST_F(Ticker, VolumeKeysShowTheVolumeForAMomentAndKeepTheLine) {
    Open({{kArtist, kTitle}});
    ClickTickerKey();
    auto press = [this](UINT key, int times) {
        for (int i = 0; i < times; ++i)
            ::PostMessageA(dlg->Hwnd(), WM_KEYDOWN, key, 1); // as the keyboard's repeat sends it
        PumpMessages();
    };
    press(VK_DOWN, 1);
    const int gdiObjects = CountGdiObjects(); // with the first notice's bitmap
    press(VK_DOWN, 24);                       // down to silence, and further: it stays there
    EXPECT_EQ(0, decoder.Volume());
    EXPECT_EQ("0", IniValue("VOLUME"));
    EXPECT_EQ(BandShowing(ticker::VolumeText(0)).rgb, Band().rgb);
    EXPECT_EQ(gdiObjects, CountGdiObjects()); // each notice's bitmap replaces the one before
    press(VK_UP, 3);
    EXPECT_EQ(15, decoder.Volume());
    EXPECT_EQ(BandShowing(ticker::VolumeText(15)).rgb, Band().rgb);

    Tick(); // within the moment: still the volume, and the line has not moved meanwhile
    EXPECT_EQ(BandShowing(ticker::VolumeText(15)).rgb, Band().rgb);
    ::Sleep(1100);
    Tick();
    EXPECT_EQ(BandShowing(kLine).rgb, Band().rgb);
    EXPECT_EQ(15, decoder.Volume());
}

} // namespace
