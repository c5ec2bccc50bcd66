// The skin bitmaps and the program icon in res/: in the form the program loads, fitted to the
// window outline and the button regions, and equal to what the skin generator draws.
#include "mainwnd/RunTables.h"
#include "tools/skingen/BmpFile.h"
#include "tools/skingen/IconFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include <stdlib.h> // mkdtemp

using namespace mainwnd;
using skingen::IndexedImage;
using skingen::Rgb8;

namespace {

const std::string kResFolder = SKIN_RES_DIR;
const Rgb8 kKeyColour{204, 153, 0};
// Where the state images are drawn in the window.
constexpr int kImageX = 14;
constexpr int kImageY = 50;

struct SkinFile {
    const char* name;
    int width, height;
};
const SkinFile kSkinFiles[] = {
    {"back.bmp", 233, 206},        {"pressed.bmp", 110, 132}, {"playing.bmp", 110, 132},
    {"pressed_lit.bmp", 110, 132}, {"paused.bmp", 110, 42},
};

std::optional<IndexedImage> LoadSkin(const std::string& name) {
    const auto bytes = skingen::ReadFileBytes(kResFolder + "/" + name);
    if (!bytes) return std::nullopt;
    return skingen::DecodeBmp8(*bytes);
}

// The colour a state image puts on window pixel (x, y), or nothing where it does not reach.
std::optional<Rgb8> StateAt(const IndexedImage& image, int x, int y) {
    const int ix = x - kImageX, iy = y - kImageY;
    if (ix < 0 || iy < 0 || ix >= image.width || iy >= image.height) return std::nullopt;
    return image.At(ix, iy);
}

// A state image drawn through one button region, as the window composes it.
struct StateUse {
    const char* image;
    int button;
};
const StateUse kStateUses[] = {
    {"pressed.bmp", BUTTON_PLAYPAUSE},     {"pressed.bmp", BUTTON_STOP},
    {"pressed.bmp", BUTTON_PREV},          {"pressed.bmp", BUTTON_NEXT},
    {"pressed.bmp", BUTTON_TICKER},        {"pressed.bmp", BUTTON_PLAYLIST},
    {"pressed.bmp", BUTTON_EXIT},          {"playing.bmp", BUTTON_PLAYPAUSE},
    {"pressed_lit.bmp", BUTTON_PLAYPAUSE}, {"paused.bmp", BUTTON_PLAYPAUSE},
};

int CountRegionPixels(int button) {
    int n = 0;
    for (const Run& run : ExpandRuns(ButtonRegion(button)))
        n += run.last - run.first + 1;
    return n;
}

// Pixels of the button's region where `shown` and `under` differ; `under` is the background
// when null, or a state image drawn at the same place.
int CountChangedInRegion(const IndexedImage& back, const IndexedImage& shown,
                         const IndexedImage* under, int button) {
    int changed = 0;
    for (const Run& run : ExpandRuns(ButtonRegion(button)))
        for (int x = run.first; x <= run.last; ++x) {
            const auto top = StateAt(shown, x, run.y);
            const auto base =
                under ? StateAt(*under, x, run.y) : std::optional<Rgb8>(back.At(x, run.y));
            if (top && base && *top != *base) ++changed;
        }
    return changed;
}

// The five bitmaps, read once per test.
class SkinArtTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const SkinFile& file : kSkinFiles) {
            const auto image = LoadSkin(file.name);
            ASSERT_TRUE(image) << file.name;
            m_images.emplace(file.name, *image);
        }
    }
    const IndexedImage& Image(const std::string& name) const { return m_images.at(name); }
    const IndexedImage& Back() const { return Image("back.bmp"); }

private:
    std::map<std::string, IndexedImage> m_images;
};

} // namespace

TEST(SkinFormTest, BitmapsHaveTheFormAndSizeTheProgramLoads) {
    for (const SkinFile& file : kSkinFiles) {
        SCOPED_TRACE(file.name);
        const auto bytes = skingen::ReadFileBytes(kResFolder + "/" + file.name);
        ASSERT_TRUE(bytes);
        ASSERT_GE(bytes->size(), 54u);
        auto u16 = [&](size_t at) { return (*bytes)[at] | (*bytes)[at + 1] << 8; };
        EXPECT_EQ(u16(28), 8);                 // bits per pixel
        EXPECT_EQ(u16(30) | u16(32) << 16, 0); // BI_RGB
        EXPECT_EQ(u16(18) | u16(20) << 16, file.width);
        EXPECT_EQ(u16(22) | u16(24) << 16, file.height); // positive: bottom-up
        const auto image = skingen::DecodeBmp8(*bytes);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, file.width);
        EXPECT_EQ(image->height, file.height);
    }
}

TEST_F(SkinArtTest, BackgroundIsKeyColourExactlyOutsideTheOutline) {
    int keyInside = 0, paintedOutside = 0;
    for (int y = 0; y < Back().height; ++y)
        for (int x = 0; x < Back().width; ++x) {
            const bool key = Back().At(x, y) == kKeyColour;
            if (IsInsideOutline(x, y))
                keyInside += key;
            else
                paintedOutside += !key;
        }
    EXPECT_EQ(keyInside, 0);
    EXPECT_EQ(paintedOutside, 0);
}

TEST_F(SkinArtTest, EveryStateImageChangesTheButtonsItIsDrawnOn) {
    for (const StateUse& use : kStateUses) {
        SCOPED_TRACE(std::string(use.image) + " on button " + std::to_string(use.button));
        // Far more than a stray pixel: the key's face or symbol visibly changes.
        EXPECT_GE(5 * CountChangedInRegion(Back(), Image(use.image), nullptr, use.button),
                  CountRegionPixels(use.button));
    }
}

TEST_F(SkinArtTest, PressingPlayPauseIsVisibleWhilePlayingOrPaused) {
    for (const char* before : {"playing.bmp", "paused.bmp"}) {
        SCOPED_TRACE(before);
        EXPECT_GE(5 * CountChangedInRegion(Back(), Image("pressed_lit.bmp"), &Image(before),
                                           BUTTON_PLAYPAUSE),
                  CountRegionPixels(BUTTON_PLAYPAUSE));
    }
}

TEST_F(SkinArtTest, KeyPicturesStayInsideTheirRegions) {
    // Whatever a state image changes near a key must lie in that key's region, or the clip
    // would cut the key's picture.
    constexpr int kMargin = 3;
    for (const StateUse& use : kStateUses) {
        SCOPED_TRACE(std::string(use.image) + " on button " + std::to_string(use.button));
        const RunBounds b = BoundsOf(ButtonRegion(use.button));
        int outside = 0;
        for (int y = b.top - kMargin; y <= b.bottom + kMargin; ++y)
            for (int x = b.left - kMargin; x <= b.right + kMargin; ++x) {
                const auto shown = StateAt(Image(use.image), x, y);
                if (shown && *shown != Back().At(x, y) && !ButtonRegion(use.button).Contains(x, y))
                    ++outside;
            }
        EXPECT_EQ(outside, 0);
    }
}

TEST(SkinFormTest, IconHoldsTheUsualSizesWithAlpha) {
    const auto bytes = skingen::ReadFileBytes(kResFolder + "/player.ico");
    ASSERT_TRUE(bytes);
    const auto entries = skingen::ReadIcoDirectory(*bytes);
    for (const int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        const auto entry =
            std::find_if(entries.begin(), entries.end(),
                         [size](const skingen::IconDirectoryEntry& e) { return e.width == size; });
        ASSERT_NE(entry, entries.end());
        EXPECT_EQ(entry->height, size);
        EXPECT_EQ(entry->bitCount, 32);
        const auto at = [&](size_t offset) {
            const size_t i = entry->offset + offset;
            return (*bytes)[i] | (*bytes)[i + 1] << 8 | (*bytes)[i + 2] << 16 |
                   (*bytes)[i + 3] << 24;
        };
        EXPECT_EQ(at(4), size);     // width
        EXPECT_EQ(at(8), 2 * size); // colour rows and mask rows
        // Alpha of a pixel (x, y), rows stored bottom-up after the 40-byte header.
        const auto alpha = [&](int x, int y) {
            return (*bytes)[entry->offset + 40 + 4 * ((size - 1 - y) * size + x) + 3];
        };
        EXPECT_EQ(alpha(0, 0), 0);
        EXPECT_EQ(alpha(size - 1, size - 1), 0);
        EXPECT_EQ(alpha(size / 2, size / 2), 255);
    }
}

TEST(SkinFormTest, GeneratorReproducesTheCommittedFiles) {
    std::string folder = (std::filesystem::temp_directory_path() / "skingen-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    const std::string command = std::string("'") + SKINGEN_PATH + "' '" + folder + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name :
         {"back.bmp", "pressed.bmp", "playing.bmp", "pressed_lit.bmp", "paused.bmp", "player.ico",
          "row.ico", "current_row.ico", "mini.bmp"}) {
        SCOPED_TRACE(name);
        const auto fresh = skingen::ReadFileBytes(folder + "/" + name);
        const auto committed = skingen::ReadFileBytes(kResFolder + "/" + name);
        ASSERT_TRUE(fresh && committed);
        EXPECT_TRUE(*fresh == *committed) << "res/ is stale: run the regenerate-skin target";
    }
    std::filesystem::remove_all(folder);
}
