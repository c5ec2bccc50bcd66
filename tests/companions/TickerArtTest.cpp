// The ticker's bitmaps in res/: the form and size the program loads, fitted to the balloon's
// outline and the glyph cells, and equal to what the skin generator draws.
#include "companions/TickerLayout.h"
#include "tools/skingen/BmpFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <stdlib.h> // mkdtemp

using skingen::IndexedImage;
using skingen::Rgb8;

namespace {

const std::string kResFolder = SKIN_RES_DIR;
const Rgb8 kKeyColour{204, 153, 0};

std::optional<IndexedImage> Load(const std::string& folder, const char* name) {
    const auto bytes = skingen::ReadFileBytes(folder + "/" + name);
    if (!bytes) return std::nullopt;
    return skingen::DecodeBmp8(*bytes);
}

bool InBalloon(int x, int y) {
    for (const ticker::RunRows& r : ticker::BalloonRuns())
        if (y >= r.firstRow && y <= r.lastRow && x >= r.firstColumn && x <= r.lastColumn)
            return true;
    return false;
}

TEST(TickerArt, BitmapsFitTheOutlineAndTheCells) {
    const auto skin = Load(kResFolder, "ticker.bmp");
    const auto glyphs = Load(kResFolder, "digits.bmp");
    ASSERT_TRUE(skin && glyphs); // 8 bits per pixel, the only form the reader takes
    ASSERT_EQ(230, skin->width);
    ASSERT_EQ(80, skin->height);
    ASSERT_EQ(176, glyphs->width);
    ASSERT_EQ(17, glyphs->height);

    // Key colour exactly outside the balloon: a key pixel inside or a painted one outside counts.
    int misplaced = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 230; ++x)
            misplaced += (skin->At(x, y) == kKeyColour) == InBalloon(x, y);
    EXPECT_EQ(0, misplaced);

    // Every glyph's edges are the boxes' own colour, so the glyphs sit in the boxes seamlessly.
    const Rgb8 box = skin->At(100, 10);
    for (int x = 0; x < 176; ++x) {
        EXPECT_TRUE(glyphs->At(x, 0) == box && glyphs->At(x, 16) == box) << x;
        const bool cellEdge =
            x < 165 ? (x - 2) % 16 == 0 || (x - 2) % 16 == 12 : x == 165 || x == 170;
        if (cellEdge) {
            for (int y = 0; y < 17; ++y)
                EXPECT_TRUE(glyphs->At(x, y) == box) << x << "," << y;
        }
    }
    // The text band is white.
    EXPECT_TRUE(skin->At(10, 31) == (Rgb8{255, 255, 255}) &&
                skin->At(219, 48) == (Rgb8{255, 255, 255}));
}

TEST(TickerArt, GeneratorReproducesTheCommittedFiles) {
    std::string folder = (std::filesystem::temp_directory_path() / "skingen-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    const std::string command = std::string("'") + SKINGEN_PATH + "' '" + folder + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : {"ticker.bmp", "digits.bmp"}) {
        SCOPED_TRACE(name);
        const auto fresh = skingen::ReadFileBytes(folder + "/" + name);
        const auto committed = skingen::ReadFileBytes(kResFolder + "/" + name);
        ASSERT_TRUE(fresh && committed);
        EXPECT_TRUE(*fresh == *committed) << "res/ is stale: run the regenerate-skin target";
    }
    std::filesystem::remove_all(folder);
}

} // namespace
