// What DrawSkin composes in the back buffer for each player state and pressed button, the clip
// region it leaves behind, and painting as a plain copy.
#include "tests/support/PlayerDlgFixture.h"

#include "res/resource.h"
#include "tests/support/Pixels.h"

#include <vector>

namespace {

struct Layer {
    UINT bitmap; // resource id of the image
    int button;  // region it is drawn through
};

class MainWindowPaint : public PlayerDlgTest {
protected:
    void SetUp() override { dlg = OpenDlg(); }
    void TearDown() override { dlg->DestroyWindow(); }

    static CPixels LoadPixels(UINT id) {
        HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
        CPixels pixels = ReadBitmap(bitmap);
        ::DeleteObject(bitmap);
        return pixels;
    }
    // The background with each image drawn at (14, 50) through one button region.
    CPixels Expected(const std::vector<Layer>& layers) const {
        CPixels picture = LoadPixels(IDB_BACK);
        for (const Layer& layer : layers) {
            const CPixels image = LoadPixels(layer.bitmap);
            for (int y = 0; y < image.height; ++y) {
                for (int x = 0; x < image.width; ++x) {
                    if (::PtInRegion(dlg->m_rgnButton[layer.button], x + 14, y + 50)) {
                        picture.rgb[static_cast<size_t>(y + 50) * picture.width + x + 14] =
                            image.At(x, y);
                    }
                }
            }
        }
        return picture;
    }
    CPixels BackBuffer() const { return ReadDC(dlg->m_pBackDC->Get(), 233, 206); }
    // Pixels that differ, as "x,y" for the first few.
    static std::string Differences(const CPixels& a, const CPixels& b) {
        std::string out;
        int count = 0;
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                if (a.At(x, y) != b.At(x, y) && count++ < 5)
                    out += std::to_string(x) + "," + std::to_string(y) + " ";
            }
        }
        return count ? std::to_string(count) + " pixels differ: " + out : std::string();
    }
    void Play() {
        decoder.Open("C:\\a.mp3");
        decoder.Play();
    }
    void PlayAndPause() {
        Play();
        decoder.Pause();
    }

    std::unique_ptr<CPlayerDlg> dlg;
};

TEST_F(MainWindowPaint, FirstFrameIsTheBackgroundAlone) {
    EXPECT_EQ("", Differences(Expected({}), BackBuffer()));
}

TEST_F(MainWindowPaint, StoppedShowsOnlyThePressedButton) {
    dlg->DrawSkin(1, 1);
    EXPECT_EQ("", Differences(Expected({{IDB_PRESSED, 1}}), BackBuffer()));
    dlg->DrawSkin(0, 1);
    EXPECT_EQ("", Differences(Expected({{IDB_PRESSED, 0}}), BackBuffer()));
}

TEST_F(MainWindowPaint, PlayingLightsThePlayKey) {
    Play();
    dlg->DrawSkin(-1, 0);
    EXPECT_EQ("", Differences(Expected({{IDB_PLAYING, 0}}), BackBuffer()));
    dlg->DrawSkin(0, 1);
    EXPECT_EQ("", Differences(Expected({{IDB_PRESSED_LIT, 0}}), BackBuffer()));
    dlg->DrawSkin(1, 1); // holding stop while playing shows both
    EXPECT_EQ("", Differences(Expected({{IDB_PLAYING, 0}, {IDB_PRESSED, 1}}), BackBuffer()));
}

TEST_F(MainWindowPaint, PausedShowsTheRedKey) {
    PlayAndPause();
    dlg->DrawSkin(-1, 0);
    EXPECT_EQ("", Differences(Expected({{IDB_PAUSED, 0}}), BackBuffer()));
    dlg->DrawSkin(0, 1);
    EXPECT_EQ("", Differences(Expected({{IDB_PRESSED_LIT, 0}}), BackBuffer()));
    dlg->DrawSkin(6, 1);
    EXPECT_EQ("", Differences(Expected({{IDB_PAUSED, 0}, {IDB_PRESSED, 6}}), BackBuffer()));
}

TEST_F(MainWindowPaint, BackgroundCopyIsLimitedToTheRegionDrawnLast) {
    HDC back = dlg->m_pBackDC->Get();
    const uint32_t marker = Rgb(1, 2, 3);
    // Before any region was drawn, a composition covers the whole buffer.
    PokePixel(back, 200, 150, marker);
    dlg->DrawSkin(-1, 0);
    EXPECT_NE(marker, BackBuffer().At(200, 150));

    dlg->DrawSkin(1, 1);
    HRGN clip = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(1, ::GetClipRgn(back, clip));
    EXPECT_TRUE(::EqualRgn(clip, dlg->m_rgnButton[1]));
    PokePixel(back, 16, 100, marker);  // in the stop button
    PokePixel(back, 30, 130, marker);  // in the previous button
    PokePixel(back, 200, 150, marker); // outside every button
    dlg->DrawSkin(-1, 0);
    const CPixels after = BackBuffer();
    EXPECT_EQ(Expected({}).At(16, 100), after.At(16, 100));
    EXPECT_EQ(marker, after.At(30, 130));
    EXPECT_EQ(marker, after.At(200, 150));
    ASSERT_EQ(1, ::GetClipRgn(back, clip));
    EXPECT_TRUE(::EqualRgn(clip, dlg->m_rgnButton[1]));

    Play();
    dlg->DrawSkin(-1, 0); // draws the state image: the clip is now the play key's
    ASSERT_EQ(1, ::GetClipRgn(back, clip));
    EXPECT_TRUE(::EqualRgn(clip, dlg->m_rgnButton[0]));
    ::DeleteObject(clip);
}

TEST_F(MainWindowPaint, UncoveringCopiesTheLastPictureWithoutAskingTheDecoder) {
    Play();
    dlg->DrawSkin(-1, 0);
    const CPixels composed = BackBuffer();
    const int asked = decoder.GetStateCalls();
    decoder.Stop(); // a change that only a new composition would show
    ::RedrawWindow(dlg->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(asked, decoder.GetStateCalls());
    HDC windowDC = ::GetDC(dlg->m_hWnd);
    const CPixels shown = ReadDC(windowDC, 233, 206);
    ::ReleaseDC(dlg->m_hWnd, windowDC);
    int compared = 0;
    for (int y = 0; y < 206; ++y) {
        for (int x = 0; x < 233; ++x) {
            if (!::PtInRegion(dlg->m_rgnButton[0], x, y)) continue;
            ASSERT_EQ(composed.At(x, y), shown.At(x, y)) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_EQ(2953, compared);
}

} // namespace
