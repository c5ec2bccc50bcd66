#include "tests/support/Pixels.h"

#include <algorithm>

namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

CPixels ReadBitmap(HBITMAP bitmap) {
    BITMAP bm{};
    ::GetObjectA(bitmap, sizeof bm, &bm);
    CPixels pixels;
    pixels.width = bm.bmWidth;
    pixels.height = bm.bmHeight;
    pixels.rgb.resize(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    BITMAPINFO info = TopDown32(bm.bmWidth, bm.bmHeight);
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(bm.bmHeight), pixels.rgb.data(), &info,
                DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    for (uint32_t& p : pixels.rgb)
        p &= 0xFFFFFF;
    return pixels;
}

CPixels ReadDC(HDC dc, int width, int height) {
    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC copyDC = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(copyDC, dib);
    ::BitBlt(copyDC, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    ::GdiFlush();
    CPixels pixels;
    pixels.width = width;
    pixels.height = height;
    const uint32_t* src = static_cast<const uint32_t*>(bits);
    pixels.rgb.assign(src, src + static_cast<size_t>(width) * height);
    for (uint32_t& p : pixels.rgb)
        p &= 0xFFFFFF;
    ::SelectObject(copyDC, old);
    ::DeleteDC(copyDC);
    ::DeleteObject(dib);
    return pixels;
}

void PokePixel(HDC dc, int x, int y, uint32_t rgb) {
    // Save the clip, open it, set the pixel, and put the very same clip back.
    HRGN saved = ::CreateRectRgn(0, 0, 0, 0);
    const int had = ::GetClipRgn(dc, saved);
    ::SelectClipRgn(dc, nullptr);
    ::SetPixel(dc, x, y, RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    ::SelectClipRgn(dc, had == 1 ? saved : nullptr);
    ::DeleteObject(saved);
}

long RegionArea(HRGN rgn) {
    const DWORD size = ::GetRegionData(rgn, 0, nullptr);
    std::vector<char> buffer(size);
    RGNDATA* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (size == 0 || !::GetRegionData(rgn, size, data)) return -1;
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    long area = 0;
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        area +=
            static_cast<long>(rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
    }
    return area;
}

std::string RegionVersusTable(HRGN rgn, fw::RunTable table) {
    const DWORD size = ::GetRegionData(rgn, 0, nullptr);
    std::vector<char> buffer(size);
    RGNDATA* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (size == 0 || !::GetRegionData(rgn, size, data)) return "the region cannot be read";
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    const RECT& box = data->rdh.rcBound;
    const fw::RunBounds runs = fw::BoundsOf(table);
    const int left = std::min<int>(box.left, runs.left), top = std::min<int>(box.top, runs.top);
    const int right = std::max<int>(box.right, runs.right + 1);
    const int bottom = std::max<int>(box.bottom, runs.bottom + 1);
    // Every pixel of the region's rectangles and of the table's runs, compared one by one.
    const int width = right - left;
    std::vector<char> inRegion(static_cast<size_t>(width) * (bottom - top), 0);
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        for (int y = rects[i].top; y < rects[i].bottom; ++y)
            for (int x = rects[i].left; x < rects[i].right; ++x)
                inRegion[static_cast<size_t>(y - top) * width + (x - left)] = 1;
    long missing = 0, extra = 0;
    std::string firstMissing, firstExtra;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const bool want = table.Contains(x, y);
            const bool got = inRegion[static_cast<size_t>(y - top) * width + (x - left)] != 0;
            const std::string at = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
            if (want && !got && missing++ == 0) firstMissing = at;
            if (got && !want && extra++ == 0) firstExtra = at;
        }
    if (missing == 0 && extra == 0) return "";
    return std::to_string(missing) + " pixels missing (first " + firstMissing + "), " +
           std::to_string(extra) + " outside the table (first " + firstExtra + ")";
}
