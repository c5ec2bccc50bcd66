// The title ticker on a real window under Wine, with the real font: its outline, what it shows,
// and how its text moves from tick to tick.
#include "companions/TickerDlg.h"
#include "playlist/Playlist.h"
#include "res/Messages.h"
#include "res/UiText.h"
#include "tests/companions/TickerPixels.h"
#include "tests/support/IniFileFake.h"
#include "tests/support/ResourceCounts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kSeparator = "　：　";

class TickerWindow : public ::testing::Test {
protected:
    void TearDown() override {
        if (ticker) ticker->DestroyWindow(); // the object deletes itself
    }
    void Open() {
        ticker = new CTickerDlg(nullptr, [] { return s_now; });
        ticker->m_pPlaylist = &playlist;
        ASSERT_TRUE(ticker->CreateHidden(nullptr));
    }
    void Add(const std::string& artist, const std::string& title) {
        CTrackEntry entry;
        entry.m_strPath = "C:\\m\\" + std::to_string(playlist.GetCount()) + ".mp3";
        entry.m_strArtist = artist;
        entry.m_strTitle = title;
        int index = 0;
        ASSERT_TRUE(playlist.Add(&index, entry));
    }
    // Switched on as the main window does it, on the screen where it can be read back.
    void Show() {
        ::SetWindowPos(Wnd(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::ShowWindow(Wnd(), SW_SHOW);
        ::UpdateWindow(Wnd()); // painted from the back buffer
        ticker->m_bShown = TRUE;
    }
    void Tick() { ::SendMessageA(Wnd(), WM_TIMER, 1, 0); }
    // Ticks until the band shows the line `offset` pixels on (from 0, in steps of 2).
    void TickTo(int offset) {
        for (int i = 0; i <= offset / 2; ++i)
            Tick();
    }
    void Tell(int elapsedSec) { ::SendMessageA(Wnd(), WM_PLAYLIST_CURRENT, 0, elapsedSec); }
    CPixels Band() const { return BandOf(TickerPixels(Wnd())); }
    std::string Digits() const { return DigitsShown(TickerPixels(Wnd())); }
    HWND Wnd() const { return ticker->m_hWnd; }

    static time_t s_now;
    CIniFileFake ini;
    CPlaylist playlist{ini};
    CTickerDlg* ticker = nullptr;
};
time_t TickerWindow::s_now = 5000000;

bool InRegion(HRGN rgn, int x, int y) {
    return ::PtInRegion(rgn, x, y) != FALSE;
}

TEST_F(TickerWindow, OutlineIsExactlyTheBalloonsRuns) {
    Open();
    HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(COMPLEXREGION, ::GetWindowRgn(Wnd(), rgn));
    // The body's rows 1 to 56 hold 12673 pixels, the tail's rows 57 to 78 another 373.
    std::vector<char> buffer(::GetRegionData(rgn, 0, nullptr));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    ASSERT_TRUE(::GetRegionData(rgn, static_cast<DWORD>(buffer.size()), data));
    long area = 0;
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        area += (rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
    EXPECT_EQ(13046, area);
    RECT box;
    ::GetRgnBox(rgn, &box);
    EXPECT_EQ(1, box.left);
    EXPECT_EQ(1, box.top);
    EXPECT_EQ(229, box.right);
    EXPECT_EQ(79, box.bottom);

    // Each row's first and last pixel are inside, their neighbours outside.
    struct Rows {
        int first, last, a, b;
    };
    const Rows runs[] = {
        {1, 1, 10, 220},    {2, 2, 7, 223},     {3, 3, 5, 224},     {4, 4, 4, 225},
        {5, 5, 3, 226},     {6, 7, 2, 227},     {8, 50, 1, 228},    {51, 51, 2, 227},
        {52, 52, 3, 226},   {53, 53, 4, 225},   {54, 54, 5, 224},   {55, 55, 6, 222},
        {56, 56, 8, 221},   {57, 57, 104, 135}, {58, 58, 105, 134}, {59, 60, 106, 133},
        {61, 61, 107, 132}, {62, 63, 108, 131}, {64, 64, 109, 130}, {65, 65, 110, 129},
        {66, 66, 111, 129}, {67, 67, 111, 128}, {68, 68, 112, 127}, {69, 70, 113, 126},
        {71, 71, 114, 125}, {72, 73, 115, 124}, {74, 74, 116, 123}, {75, 76, 117, 122},
        {77, 77, 118, 121}, {78, 78, 119, 120},
    };
    for (const Rows& r : runs)
        for (int y = r.first; y <= r.last; ++y) {
            EXPECT_TRUE(InRegion(rgn, r.a, y) && InRegion(rgn, r.b, y)) << y;
            EXPECT_FALSE(InRegion(rgn, r.a - 1, y) || InRegion(rgn, r.b + 1, y)) << y;
        }
    ::DeleteObject(rgn);
}

TEST_F(TickerWindow, ShowsTheNumberTheTimeAndArtistAndTitle) {
    Add("ぴこもち合唱団", "おもちのうた");
    Open();
    Show();
    EXPECT_EQ("001000:00", Digits());
    EXPECT_EQ(BandShowing("ぴこもち合唱団" + kSeparator + "おもちのうた").rgb, Band().rgb);
    Tell(3599);
    EXPECT_EQ("001059:59", Digits());

    // An entry without artist or title: the separator alone.
    Add("", "");
    playlist.SetCurrentIndex(1);
    Tell(60);
    EXPECT_EQ("002001:00", Digits());
    EXPECT_EQ(BandShowing(kSeparator).rgb, Band().rgb);
    // No entry at all: the banner, and "000".
    playlist.RemoveAt(1);
    playlist.RemoveAt(0);
    Tell(0);
    EXPECT_EQ("000000:00", Digits());
    EXPECT_EQ(BandShowing(ui::kTickerBanner).rgb, Band().rgb);

    // Enter and Escape do not close it.
    ::SendMessageA(Wnd(), WM_COMMAND, IDOK, 0);
    ::SendMessageA(Wnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(::IsWindowVisible(Wnd()));
}

TEST_F(TickerWindow, ALineOf210PixelsStandsStillOneOf211Moves) {
    const std::string fits = TitleForLineWidth(210), wider = TitleForLineWidth(211);
    ASSERT_FALSE(fits.empty());
    ASSERT_FALSE(wider.empty());
    Add("", fits);
    Add("", wider);
    Open();
    Show();
    s_now += 5; // long past the pause
    Tick();
    const CPixels still = Band();
    Tick();
    EXPECT_EQ(still.rgb, Band().rgb);

    playlist.SetCurrentIndex(1);
    Tell(0);
    s_now += 5;
    Tick();
    const CPixels start = Band();
    EXPECT_EQ(BandShowing(kSeparator + wider).rgb, start.rgb);
    Tick();
    EXPECT_NE(start.rgb, Band().rgb);
    EXPECT_EQ(BandShowing(kSeparator + wider, 2).rgb, Band().rgb);
}

class TickerScrolling : public TickerWindow {
protected:
    void SetUp() override {
        Add("ぴこもち合唱団", kTitle);
        Open();
        Show();
        s_now += 5;
    }
    CPixels Showing(int offset) const { return BandShowing(kLine, offset); }

    const std::string kTitle = "おもちがふくらむ夜のうた";
    const std::string kLine = "ぴこもち合唱団" + kSeparator + kTitle;
};

TEST_F(TickerScrolling, SameEntryUpdatesOnlyTheDigitsAForcedRefreshStartsOver) {
    TickTo(6);
    ASSERT_EQ(Showing(6).rgb, Band().rgb);
    Tell(61);
    EXPECT_EQ("001001:01", Digits());
    EXPECT_EQ(Showing(6).rgb, Band().rgb);
    Tick();
    EXPECT_EQ(Showing(8).rgb, Band().rgb); // it went on from where it was

    ticker->m_nRenderedIndex = -2;
    Tell(62);
    EXPECT_EQ("001001:02", Digits());
    EXPECT_EQ(Showing(0).rgb, Band().rgb);
    Tick();
    Tick();
    EXPECT_EQ(Showing(0).rgb, Band().rgb); // pausing again
}

TEST_F(TickerScrolling, HidingAndShowingStartsTheLineOver) {
    TickTo(10);
    ::ShowWindow(Wnd(), SW_HIDE);
    Tick();
    ::ShowWindow(Wnd(), SW_SHOW);
    Tick();
    Tick();
    EXPECT_EQ(Showing(0).rgb, Band().rgb);
    s_now += 5;
    Tick();
    Tick();
    EXPECT_EQ(Showing(2).rgb, Band().rgb);
    // Switched off, it is not moved on.
    ticker->m_bShown = FALSE;
    Tick();
    Tick();
    EXPECT_EQ(Showing(2).rgb, Band().rgb);
}

TEST_F(TickerWindow, TagsOfTheIniLimitRenderCutToOneStrip) {
    // 4094 bytes each: as long as a tag read back from the INI file can be.
    std::string artist, title;
    for (int i = 0; i < 2047; ++i) {
        artist += "あ";
        title += "い";
    }
    Add(artist, title);
    Open();
    Show();
    EXPECT_EQ(BandShowing(artist).rgb, Band().rgb);
    s_now += 5;
    TickTo(20);
    EXPECT_EQ(BandShowing(artist, 20).rgb, Band().rgb);
}

TEST_F(TickerWindow, LeavesNoGdiObjectBehind) {
    Add("ぴこもち合唱団", "おもちがふくらむ夜のうた");
    Open(); // a first window warms whatever the system keeps for later
    ticker->DestroyWindow();
    const int before = CountGdiObjects();
    Open();
    Show();
    Tell(5);
    playlist.SetCurrentIndex(0);
    ticker->m_nRenderedIndex = -2;
    Tell(6);
    ticker->DestroyWindow();
    ticker = nullptr;
    EXPECT_EQ(before, CountGdiObjects());
}

} // namespace
