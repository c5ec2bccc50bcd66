#include "tests/companions/TickerPixels.h"

#include "res/resource.h"

#include <vector>

namespace {

constexpr int kBandLeft = 10, kBandTop = 31, kBandWidth = 210, kBandHeight = 18;
const char kSeparator[] = "　：　";

// The ticker's font, stated here on its own so that a change in the program's shows.
HFONT CreateTickerFont() {
    return ::CreateFontA(18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DRAFT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                         "ＭＳ Ｐゴシック");
}

// Whether the glyph at column `glyphX` of the glyph bitmap stands at column `x` of the digit row.
bool ShowsGlyph(const CPixels& window, int x, const CPixels& glyphs, int glyphX, int width) {
    for (int y = 0; y < 17; ++y)
        for (int dx = 0; dx < width; ++dx)
            if (window.At(x + dx, 10 + y) != glyphs.At(glyphX + dx, y)) return false;
    return true;
}

} // namespace

CPixels TickerPixels(HWND ticker) {
    HDC dc = ::GetDC(ticker);
    CPixels pixels = ReadDC(dc, 230, 80);
    ::ReleaseDC(ticker, dc);
    return pixels;
}

std::string DigitsShown(const CPixels& window) {
    HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_DIGITS));
    const CPixels glyphs = ReadBitmap(bitmap);
    ::DeleteObject(bitmap);
    const int cells[9] = {100, 113, 126, 150, 163, 176, 189, 195, 208};
    std::string shown;
    for (int i = 0; i < 9; ++i) {
        char c = '?';
        if (i == 6) {
            if (ShowsGlyph(window, cells[i], glyphs, 165, 6)) c = ':';
        } else {
            for (int d = 0; d < 10 && c == '?'; ++d)
                if (ShowsGlyph(window, cells[i], glyphs, 2 + 16 * d, 13))
                    c = static_cast<char>('0' + d);
        }
        shown += c;
    }
    return shown;
}

CPixels BandOf(const CPixels& window) {
    CPixels band;
    band.width = kBandWidth;
    band.height = kBandHeight;
    for (int y = 0; y < kBandHeight; ++y)
        for (int x = 0; x < kBandWidth; ++x)
            band.rgb.push_back(window.At(kBandLeft + x, kBandTop + y));
    return band;
}

CPixels BandShowing(const std::string& text, int offset) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, kBandWidth, kBandHeight);
    HFONT font = CreateTickerFont();
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    const RECT all = {0, 0, kBandWidth, kBandHeight};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::TextOutA(dc, -offset, 0, text.data(), static_cast<int>(text.size()));
    const CPixels band = ReadDC(dc, kBandWidth, kBandHeight);
    ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(font);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return band;
}

int TextWidth(const std::string& text) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HFONT font = CreateTickerFont();
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::DeleteDC(dc);
    return size.cx;
}

std::string TitleForLineWidth(int width) {
    // The fewest letters whose widths add up to what the separator leaves, then checked as a
    // whole line.
    const std::string letters = "ilrtfjsxzcveaonuhkbdgpqyAEFLSTBCDKRHNUVXYZGOQwmMW";
    const int need = width - TextWidth(kSeparator);
    if (need < 0) return "";
    std::vector<int> widths;
    for (char letter : letters)
        widths.push_back(TextWidth(std::string(1, letter)));
    std::vector<std::string> reach(static_cast<size_t>(need) + 1);
    std::vector<bool> reached(static_cast<size_t>(need) + 1, false);
    reached[0] = true;
    for (int sum = 0; sum < need; ++sum) {
        if (!reached[sum]) continue;
        for (size_t i = 0; i < letters.size(); ++i) {
            const char letter = letters[i];
            const int next = sum + widths[i];
            if (next > need || (reached[next] && reach[next].size() <= reach[sum].size() + 1))
                continue;
            reached[next] = true;
            reach[next] = reach[sum] + letter;
        }
    }
    if (!reached[need] || TextWidth(kSeparator + reach[need]) != width) return "";
    return reach[need];
}
