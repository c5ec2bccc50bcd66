// The main window's real regions: the outline the system took, and the seven button regions of
// the skin.
// Expected pixel counts and points were worked out from the skin's drawings, not from the
// program's tables.
#include "mainwnd/RunTables.h"
#include "mainwnd/Skin.h"
#include "res/resource.h"
#include "tests/support/Pixels.h"
#include "tests/support/PlayerDlgFixture.h"

#include <vector>

namespace {

class MainWindowShape : public PlayerDlgTest {
protected:
    void SetUp() override {
        skin.BuildRegions(::GetModuleHandleA(nullptr));
        dlg = OpenDlg();
        windowRgn = ::CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(ERROR, ::GetWindowRgn(dlg->Hwnd(), windowRgn));
    }
    void TearDown() override {
        ::DeleteObject(windowRgn);
        dlg->DestroyWindow();
    }
    int Hit(int x, int y) const {
        for (int i = 0; i < 7; ++i) {
            if (::PtInRegion(skin.ButtonRegion(i), x, y)) return i;
        }
        return -1;
    }
    bool InOutline(int x, int y) const { return ::PtInRegion(windowRgn, x, y) != FALSE; }

    mainwnd::CSkin skin;
    std::unique_ptr<CPlayerDlg> dlg;
    HRGN windowRgn = nullptr;
};

TEST_F(MainWindowShape, OutlineCoversExactlyTheSkinsPixels) {
    EXPECT_EQ("", RegionVersusTable(windowRgn, mainwnd::WindowOutline()));
    EXPECT_EQ(38361, RegionArea(windowRgn));
    RECT box;
    ::GetRgnBox(windowRgn, &box);
    EXPECT_EQ(1, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_EQ(233, box.right);
    EXPECT_EQ(205, box.bottom);
    EXPECT_FALSE(InOutline(0, 0));
    EXPECT_FALSE(InOutline(232, 0));
    EXPECT_TRUE(InOutline(175, 0));
    EXPECT_TRUE(InOutline(1, 100));
    EXPECT_FALSE(InOutline(157, 8));
    EXPECT_TRUE(InOutline(156, 8));
    EXPECT_TRUE(InOutline(158, 8));
    for (int x = 0; x < 233; ++x)
        EXPECT_FALSE(InOutline(x, 205)) << x;
    for (int y = 0; y < 206; ++y)
        EXPECT_FALSE(InOutline(0, y)) << y;
}

TEST_F(MainWindowShape, ButtonRegionsHaveTheirPixelCounts) {
    const long expected[7] = {2953, 1717, 1116, 1058, 960, 1024, 869};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(expected[i], RegionArea(skin.ButtonRegion(i))) << i;
        EXPECT_EQ("", RegionVersusTable(skin.ButtonRegion(i), mainwnd::ButtonRegion(i))) << i;
    }
}

TEST_F(MainWindowShape, ButtonsAreHitWhereTheyAreDrawn) {
    struct Case {
        int x, y, button;
    };
    const Case cases[] = {
        {16, 94, 1},   {15, 94, -1},  {97, 94, -1},  {58, 130, -1}, {56, 130, 2},
        {61, 130, 3},  {105, 164, 6}, {89, 150, -1}, {15, 149, 4},  {44, 180, 4},
        {45, 180, -1}, {50, 180, -1}, {51, 149, 5},  {17, 89, 0},   {17, 90, -1},
        {75, 50, 0},   {74, 50, -1},  {115, 62, 0},  {116, 62, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.button, Hit(c.x, c.y)) << c.x << "," << c.y;
        // Every button lies inside the outline.
        if (c.button != -1) {
            EXPECT_TRUE(InOutline(c.x, c.y)) << c.x << "," << c.y;
        }
    }
}

TEST_F(MainWindowShape, ButtonRegionsDoNotOverlap) {
    HRGN both = ::CreateRectRgn(0, 0, 0, 0);
    for (int i = 0; i < 7; ++i) {
        for (int j = i + 1; j < 7; ++j) {
            EXPECT_EQ(NULLREGION,
                      ::CombineRgn(both, skin.ButtonRegion(i), skin.ButtonRegion(j), RGN_AND))
                << i << " and " << j;
        }
    }
    ::DeleteObject(both);
}

TEST_F(MainWindowShape, SkinBitmapsAreLoaded) {
    EXPECT_EQ(233, skin.Width());
    EXPECT_EQ(206, skin.Height());
    const int sizes[4][2] = {{110, 132}, {110, 132}, {110, 132}, {110, 42}};
    for (int i = 0; i < 4; ++i) {
        BITMAP bm{};
        ASSERT_TRUE(::GetObjectA(skin.Image(i + 1), sizeof bm, &bm)) << i;
        EXPECT_EQ(sizes[i][0], bm.bmWidth) << i;
        EXPECT_EQ(sizes[i][1], bm.bmHeight) << i;
    }
    // The window takes the skin's size.
    RECT rect;
    ::GetWindowRect(dlg->Hwnd(), &rect);
    EXPECT_EQ(233, rect.right - rect.left);
    EXPECT_EQ(206, rect.bottom - rect.top);
    // The program's icon (a shared resource: the same handle each time it is loaded).
    HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    EXPECT_NE(nullptr, icon);
    EXPECT_EQ(reinterpret_cast<LRESULT>(icon), ::SendMessageA(dlg->Hwnd(), WM_QUERYDRAGICON, 0, 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(icon),
              ::SendMessageA(dlg->Hwnd(), WM_GETICON, ICON_BIG, 0));
}

} // namespace
