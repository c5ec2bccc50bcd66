#include "tests/support/Pixels.h"

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

namespace {

// The region's rectangles; false when it cannot be read.
bool RegionRects(HRGN rgn, std::vector<RECT>* rects) {
    const DWORD size = ::GetRegionData(rgn, 0, nullptr);
    std::vector<char> buffer(size);
    RGNDATA* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (size == 0 || !::GetRegionData(rgn, size, data)) return false;
    const RECT* first = reinterpret_cast<const RECT*>(data->Buffer);
    rects->assign(first, first + data->rdh.nCount);
    return true;
}

} // namespace

long RegionArea(HRGN rgn) {
    std::vector<RECT> rects;
    if (!RegionRects(rgn, &rects)) return -1;
    long area = 0;
    for (const RECT& r : rects)
        area += static_cast<long>(r.right - r.left) * (r.bottom - r.top);
    return area;
}

std::string RegionVersusTable(HRGN rgn, fw::RunTable table) {
    std::vector<RECT> rects;
    if (!RegionRects(rgn, &rects)) return "the region cannot be read";
    // The table's runs as rectangles too; then both sets, pixel by pixel, over their union.
    std::vector<RECT> runs;
    for (const fw::Run& run : fw::ExpandRuns(table))
        runs.push_back({run.first, run.y, run.last + 1, run.y + 1});
    RECT box = runs.front();
    for (const std::vector<RECT>* set : {&rects, &runs})
        for (const RECT& r : *set)
            ::UnionRect(&box, &box, &r);
    const int width = box.right - box.left;
    auto cells = [&](const std::vector<RECT>& set) {
        std::vector<char> in(static_cast<size_t>(width) * (box.bottom - box.top), 0);
        for (const RECT& r : set)
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    in[static_cast<size_t>(y - box.top) * width + (x - box.left)] = 1;
        return in;
    };
    const std::vector<char> got = cells(rects), want = cells(runs);
    long missing = 0, extra = 0;
    std::string firstMissing, firstExtra;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const size_t i = static_cast<size_t>(y - box.top) * width + (x - box.left);
            const std::string at = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
            if (want[i] && !got[i] && missing++ == 0) firstMissing = at;
            if (got[i] && !want[i] && extra++ == 0) firstExtra = at;
        }
    if (missing == 0 && extra == 0) return "";
    return std::to_string(missing) + " pixels missing (first " + firstMissing + "), " +
           std::to_string(extra) + " outside the table (first " + firstExtra + ")";
}
