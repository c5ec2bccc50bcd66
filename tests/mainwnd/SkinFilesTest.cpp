// The bitmap file form shared by the skin generator and the art tests: what Windows expects of
// row order, padding and header, independent of the reader that reads it back.
#include "tools/skingen/BmpFile.h"

#include <gtest/gtest.h>

using skingen::IndexedImage;

namespace {

// 3 x 2 pixels: a width that needs one padding byte per row.
IndexedImage SmallImage() {
    IndexedImage image;
    image.width = 3;
    image.height = 2;
    image.palette[1] = {10, 20, 30};
    image.indices = {1, 2, 3, 4, 5, 6}; // top row 1 2 3, bottom row 4 5 6
    return image;
}

} // namespace

TEST(SkinFilesTest, BitmapRowsAreStoredBottomUpAndPadded) {
    const std::vector<std::uint8_t> bytes = skingen::EncodeBmp8(SmallImage());
    const size_t pixels = 14 + 40 + 256 * 4;
    ASSERT_EQ(bytes.size(), pixels + 2 * 4);
    EXPECT_EQ(bytes[10], pixels & 0xFF);
    EXPECT_EQ(bytes[11], pixels >> 8);
    const std::vector<std::uint8_t> rows(bytes.begin() + pixels, bytes.end());
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{4, 5, 6, 0, 1, 2, 3, 0}));
    // Palette entries are blue, green, red, zero.
    EXPECT_EQ(bytes[54 + 4], 30);
    EXPECT_EQ(bytes[54 + 6], 10);
}

TEST(SkinFilesTest, ReaderRestoresWhatTheWriterStored) {
    const auto image = skingen::DecodeBmp8(skingen::EncodeBmp8(SmallImage()));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->indices, SmallImage().indices);
    EXPECT_TRUE(image->At(0, 0) == (skingen::Rgb8{10, 20, 30}));
}

TEST(SkinFilesTest, ReaderRefusesOtherForms) {
    std::vector<std::uint8_t> bytes = skingen::EncodeBmp8(SmallImage());
    std::vector<std::uint8_t> deeper = bytes;
    deeper[28] = 24;
    EXPECT_FALSE(skingen::DecodeBmp8(deeper));
    std::vector<std::uint8_t> topDown = bytes;
    topDown[22] = 0xFE, topDown[23] = topDown[24] = topDown[25] = 0xFF; // height -2
    EXPECT_FALSE(skingen::DecodeBmp8(topDown));
    bytes.resize(bytes.size() - 1);
    EXPECT_FALSE(skingen::DecodeBmp8(bytes));
}
