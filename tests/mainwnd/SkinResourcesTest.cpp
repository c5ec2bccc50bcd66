// The skin's bitmaps as the program loads them from its resources (the build may store them in
// another form than res/, run-length encoded) show exactly the pixels of the files in res/.
#include "res/resource.h"
#include "tests/support/Pixels.h"
#include "tools/skingen/BmpFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(SkinResources, LoadedBitmapsShowThePixelsOfTheSkinFiles) {
    const struct {
        UINT id;
        const char* file;
    } bitmaps[] = {{IDB_BACK, "back.bmp"},       {IDB_PRESSED, "pressed.bmp"},
                   {IDB_PLAYING, "playing.bmp"}, {IDB_PRESSED_LIT, "pressed_lit.bmp"},
                   {IDB_PAUSED, "paused.bmp"},   {IDB_TICKER, "ticker.bmp"},
                   {IDB_DIGITS, "digits.bmp"},   {IDB_MINI, "mini.bmp"}};
    for (const auto& b : bitmaps) {
        SCOPED_TRACE(b.file);
        // The Wine prefix's drive Z: is the Unix root.
        const auto bytes = skingen::ReadFileBytes(std::string("Z:") + SKIN_RES_DIR "/" + b.file);
        ASSERT_TRUE(bytes);
        const auto file = skingen::DecodeBmp8(*bytes);
        ASSERT_TRUE(file);
        HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(b.id));
        ASSERT_NE(nullptr, bitmap);
        const CPixels loaded = ReadBitmap(bitmap);
        ::DeleteObject(bitmap);
        ASSERT_EQ(file->width, loaded.width);
        ASSERT_EQ(file->height, loaded.height);
        int differing = 0;
        for (int y = 0; y < loaded.height; ++y) {
            for (int x = 0; x < loaded.width; ++x) {
                const skingen::Rgb8 c = file->At(x, y);
                differing += loaded.At(x, y) != Rgb(c.r, c.g, c.b);
            }
        }
        EXPECT_EQ(0, differing);
    }
}
