// Reading pixels back from bitmaps, device contexts and regions in tests, as 0x00RRGGBB values.
#pragma once

#include "framework/RunTable.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct CPixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb; // row by row from the top

    uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

constexpr uint32_t Rgb(int r, int g, int b) {
    return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
           static_cast<uint32_t>(b);
}

// The pixels of a bitmap that is not selected into any device context.
CPixels ReadBitmap(HBITMAP bitmap);
// width x height pixels from (0, 0) of a device context (its clip region does not matter).
CPixels ReadDC(HDC dc, int width, int height);
// Overwrites one pixel of a bitmap selected into `dc`, past the DC's clip region.
void PokePixel(HDC dc, int x, int y, uint32_t rgb);
// Pixels in a region, counted from its rectangles; -1 when it cannot be read.
long RegionArea(HRGN rgn);
// "" when the region holds exactly the table's pixels (read from its rectangles); otherwise how
// many pixels are missing and how many lie outside the table, with the first of each.
std::string RegionVersusTable(HRGN rgn, fw::RunTable table);
