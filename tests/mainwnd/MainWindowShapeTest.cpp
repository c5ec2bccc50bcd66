// The main window's real regions: the outline the system took and the seven button regions.
// Expected pixel counts and points were worked out from the skin's drawings, not from the
// program's tables.
#include "tests/support/PlayerDlgFixture.h"

#include <vector>

namespace {

// Pixels in a region, counted from its rectangles.
long RegionArea(HRGN rgn) {
    const DWORD size = ::GetRegionData(rgn, 0, nullptr);
    std::vector<char> buffer(size);
    RGNDATA* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (!::GetRegionData(rgn, size, data)) return -1;
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    long area = 0;
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        area +=
            static_cast<long>(rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
    }
    return area;
}

class MainWindowShape : public PlayerDlgTest {
protected:
    void SetUp() override {
        dlg = OpenDlg();
        windowRgn = ::CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(ERROR, ::GetWindowRgn(dlg->m_hWnd, windowRgn));
    }
    void TearDown() override {
        ::DeleteObject(windowRgn);
        dlg->DestroyWindow();
    }
    int Hit(int x, int y) const {
        for (int i = 0; i < 7; ++i) {
            if (::PtInRegion(dlg->m_rgnButton[i], x, y)) return i;
        }
        return -1;
    }
    bool InOutline(int x, int y) const { return ::PtInRegion(windowRgn, x, y) != FALSE; }

    std::unique_ptr<CPlayerDlg> dlg;
    HRGN windowRgn = nullptr;
};

TEST_F(MainWindowShape, OutlineCoversExactlyTheSkinsPixels) {
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
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(expected[i], RegionArea(dlg->m_rgnButton[i])) << i;
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
                      ::CombineRgn(both, dlg->m_rgnButton[i], dlg->m_rgnButton[j], RGN_AND))
                << i << " and " << j;
        }
    }
    ::DeleteObject(both);
}

TEST_F(MainWindowShape, SkinBitmapsAreLoaded) {
    EXPECT_EQ(233, dlg->m_bmInfo.bmWidth);
    EXPECT_EQ(206, dlg->m_bmInfo.bmHeight);
    const int sizes[4][2] = {{110, 132}, {110, 132}, {110, 132}, {110, 42}};
    for (int i = 0; i < 4; ++i) {
        BITMAP bm{};
        ASSERT_TRUE(::GetObjectA(dlg->m_bmpImage[i], sizeof bm, &bm)) << i;
        EXPECT_EQ(sizes[i][0], bm.bmWidth) << i;
        EXPECT_EQ(sizes[i][1], bm.bmHeight) << i;
    }
    EXPECT_NE(nullptr, dlg->m_hIcon);
    EXPECT_EQ(reinterpret_cast<LRESULT>(dlg->m_hIcon),
              ::SendMessageA(dlg->m_hWnd, WM_QUERYDRAGICON, 0, 0));
}

} // namespace
