// What the skin composes in its back buffer for each player state and pressed button, the clip
// region it leaves behind, and the window painting as a plain copy.
#include "mainwnd/Skin.h"
#include "playback/ControlCodes.h"
#include "res/resource.h"
#include "tests/support/Pixels.h"
#include "tests/support/PlayerDlgFixture.h"

#include <vector>

namespace {

constexpr int kStopped = 0;

struct Layer {
    UINT bitmap; // resource id of the image
    int button;  // region it is drawn through
};

CPixels LoadPixels(UINT id) {
    HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    CPixels pixels = ReadBitmap(bitmap);
    ::DeleteObject(bitmap);
    return pixels;
}

// Pixels that differ, as "x,y" for the first few.
std::string Differences(const CPixels& a, const CPixels& b) {
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

class SkinPaint : public ::testing::Test {
protected:
    void SetUp() override {
        skin.BuildRegions(::GetModuleHandleA(nullptr));
        HDC screen = ::GetDC(nullptr);
        skin.CreateBackBuffer(screen);
        ::ReleaseDC(nullptr, screen);
        skin.Compose(-1, 0, kStopped); // the first frame
    }

    // The background with each image drawn at (14, 50) through one button region.
    CPixels Expected(const std::vector<Layer>& layers) const {
        CPixels picture = LoadPixels(IDB_BACK);
        for (const Layer& layer : layers) {
            const CPixels image = LoadPixels(layer.bitmap);
            for (int y = 0; y < image.height; ++y) {
                for (int x = 0; x < image.width; ++x) {
                    if (::PtInRegion(skin.ButtonRegion(layer.button), x + 14, y + 50)) {
                        picture.rgb[static_cast<size_t>(y + 50) * picture.width + x + 14] =
                            image.At(x, y);
                    }
                }
            }
        }
        return picture;
    }
    CPixels BackBuffer() const { return ReadDC(skin.BackDC(), 233, 206); }

    mainwnd::CSkin skin;
};

TEST_F(SkinPaint, FirstFrameIsTheBackgroundAlone) {
    EXPECT_EQ("", Differences(Expected({}), BackBuffer()));
}

TEST_F(SkinPaint, StoppedShowsOnlyThePressedButton) {
    skin.Compose(1, 1, kStopped);
    EXPECT_EQ("", Differences(Expected({{IDB_PRESSED, 1}}), BackBuffer()));
    skin.Compose(0, 1, kStopped);
    EXPECT_EQ("", Differences(Expected({{IDB_PRESSED, 0}}), BackBuffer()));
}

TEST_F(SkinPaint, PlayingLightsThePlayKey) {
    skin.Compose(-1, 0, mainwnd::kSkinPlaying);
    EXPECT_EQ("", Differences(Expected({{IDB_PLAYING, 0}}), BackBuffer()));
    skin.Compose(0, 1, mainwnd::kSkinPlaying);
    EXPECT_EQ("", Differences(Expected({{IDB_PRESSED_LIT, 0}}), BackBuffer()));
    skin.Compose(1, 1, mainwnd::kSkinPlaying); // holding stop while playing shows both
    EXPECT_EQ("", Differences(Expected({{IDB_PLAYING, 0}, {IDB_PRESSED, 1}}), BackBuffer()));
}

TEST_F(SkinPaint, PausedShowsTheRedKey) {
    skin.Compose(-1, 0, mainwnd::kSkinPaused);
    EXPECT_EQ("", Differences(Expected({{IDB_PAUSED, 0}}), BackBuffer()));
    skin.Compose(0, 1, mainwnd::kSkinPaused);
    EXPECT_EQ("", Differences(Expected({{IDB_PRESSED_LIT, 0}}), BackBuffer()));
    skin.Compose(6, 1, mainwnd::kSkinPaused);
    EXPECT_EQ("", Differences(Expected({{IDB_PAUSED, 0}, {IDB_PRESSED, 6}}), BackBuffer()));
}

TEST_F(SkinPaint, BackgroundCopyIsLimitedToTheRegionDrawnLast) {
    HDC back = skin.BackDC();
    const uint32_t marker = Rgb(1, 2, 3);
    // Before any region was drawn, a composition covers the whole buffer.
    PokePixel(back, 200, 150, marker);
    skin.Compose(-1, 0, kStopped);
    EXPECT_NE(marker, BackBuffer().At(200, 150));

    skin.Compose(1, 1, kStopped);
    HRGN clip = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(1, ::GetClipRgn(back, clip));
    EXPECT_TRUE(::EqualRgn(clip, skin.ButtonRegion(1)));
    PokePixel(back, 16, 100, marker);  // in the stop button
    PokePixel(back, 30, 130, marker);  // in the previous button
    PokePixel(back, 200, 150, marker); // outside every button
    skin.Compose(-1, 0, kStopped);
    const CPixels after = BackBuffer();
    EXPECT_EQ(Expected({}).At(16, 100), after.At(16, 100));
    EXPECT_EQ(marker, after.At(30, 130));
    EXPECT_EQ(marker, after.At(200, 150));
    ASSERT_EQ(1, ::GetClipRgn(back, clip));
    EXPECT_TRUE(::EqualRgn(clip, skin.ButtonRegion(1)));

    skin.Compose(-1, 0, mainwnd::kSkinPlaying); // draws the state image: the clip is the play key's
    ASSERT_EQ(1, ::GetClipRgn(back, clip));
    EXPECT_TRUE(::EqualRgn(clip, skin.ButtonRegion(0)));
    ::DeleteObject(clip);
}

// The window on the screen.
class MainWindowPaint : public PlayerDlgTest {
protected:
    void SetUp() override {
        skin.BuildRegions(::GetModuleHandleA(nullptr));
        dlg = OpenDlg();
    }
    void TearDown() override { dlg->DestroyWindow(); }
    CPixels Shown() const {
        ::UpdateWindow(dlg->Hwnd()); // what is waiting to be painted, as the user would see it
        HDC windowDC = ::GetDC(dlg->Hwnd());
        CPixels shown = ReadDC(windowDC, 233, 206);
        ::ReleaseDC(dlg->Hwnd(), windowDC);
        return shown;
    }
    // Pixels of the play key that differ between two pictures; -1 when none was compared.
    int PlayKeyDifferences(const CPixels& a, const CPixels& b) const {
        int compared = 0, differ = 0;
        for (int y = 0; y < 206; ++y) {
            for (int x = 0; x < 233; ++x) {
                if (!::PtInRegion(skin.ButtonRegion(0), x, y)) continue;
                ++compared;
                if (a.At(x, y) != b.At(x, y)) ++differ;
            }
        }
        return compared ? differ : -1;
    }

    mainwnd::CSkin skin; // for its regions
    std::unique_ptr<CPlayerDlg> dlg;
};

TEST_F(MainWindowPaint, StartsWithTheBackgroundAlone) {
    const CPixels background = LoadPixels(IDB_BACK);
    const CPixels shown = Shown();
    int differ = 0;
    for (int y = 0; y < 206; ++y) {
        for (int x = 0; x < 233; ++x) {
            if (mainwnd::IsInsideOutline(x, y) && background.At(x, y) != shown.At(x, y)) ++differ;
        }
    }
    EXPECT_EQ(0, differ);
}

TEST_F(MainWindowPaint, UncoveringCopiesTheLastPictureWithoutAskingTheDecoder) {
    WriteIni("[VIZURE3]\r\nREGNUM=1\r\nFILENAME0000=C:\\a.mp3\r\n");
    dlg->DestroyWindow();
    dlg = OpenDlg();
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE)); // composes and shows the lit play key
    const CPixels composed = Shown();
    EXPECT_GT(PlayKeyDifferences(LoadPixels(IDB_BACK), composed), 0);
    const int asked = decoder.GetStateCalls();
    decoder.Stop(); // a change that only a new composition would show
    ::RedrawWindow(dlg->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(asked, decoder.GetStateCalls());
    EXPECT_EQ(0, PlayKeyDifferences(composed, Shown()));
}

} // namespace
