#include "tests/companions/TickerPixels.h"

#include "framework/Gdi.h"
#include "res/resource.h"

namespace {

constexpr int kBandLeft = 10, kBandTop = 31, kBandWidth = 210, kBandHeight = 18;

// The ticker's font, stated here on its own so that a change in the program's shows.
HFONT CreateTickerFont() {
    return ::CreateFontA(18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DRAFT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                         "ＭＳ Ｐゴシック");
}

// Whether glyph bitmap columns glyphX.. stand at window column x of the digit row (y 10).
bool ShowsGlyph(const CPixels& window, int x, const CPixels& glyphs, int glyphX, int width) {
    for (int y = 0; y < 17; ++y)
        for (int dx = 0; dx < width; ++dx)
            if (window.At(x + dx, 10 + y) != glyphs.At(glyphX + dx, y)) return false;
    return true;
}

int TextWidth(const std::string& text) {
    fw::CMemoryDC dc(nullptr);
    fw::CFont font(CreateTickerFont());
    fw::CScopedSelectObject select(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

} // namespace

CPixels TickerPixels(HWND ticker) {
    fw::CClientDC dc(ticker);
    return ReadDC(dc, 230, 80);
}

std::string DigitsShown(const CPixels& window) {
    fw::CBitmap bitmap(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_DIGITS)));
    const CPixels glyphs = ReadBitmap(bitmap);
    std::string shown;
    for (const int x : {100, 113, 126, 150, 163, 176, 189, 195, 208}) {
        char c = x == 189 && ShowsGlyph(window, x, glyphs, 165, 6) ? ':' : '?';
        for (int d = 0; d < 10 && x != 189; ++d)
            if (ShowsGlyph(window, x, glyphs, 2 + 16 * d, 13)) c = static_cast<char>('0' + d);
        shown += c;
    }
    return shown;
}

CPixels BandOf(const CPixels& window) {
    CPixels band{kBandWidth, kBandHeight, {}};
    for (int y = 0; y < kBandHeight; ++y)
        for (int x = 0; x < kBandWidth; ++x)
            band.rgb.push_back(window.At(kBandLeft + x, kBandTop + y));
    return band;
}

CPixels BandShowing(const std::string& text, int offset) {
    fw::CClientDC screen(nullptr);
    fw::CMemoryDC dc(screen);
    fw::CBitmap bitmap(::CreateCompatibleBitmap(screen, kBandWidth, kBandHeight));
    fw::CFont font(CreateTickerFont());
    fw::CScopedSelectObject selectBitmap(dc, bitmap), selectFont(dc, font);
    const RECT all = {0, 0, kBandWidth, kBandHeight};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::TextOutA(dc, -offset, 0, text.data(), static_cast<int>(text.size()));
    return ReadDC(dc, kBandWidth, kBandHeight);
}

std::string TitleForLineWidth(int width) {
    // Two letters repeated, as many of each as make up what the separator leaves.
    const int need = width - TextWidth("　：　");
    const std::string letters = "ilmWoa";
    for (char a : letters)
        for (char b : letters)
            for (int n = 0; n * TextWidth(std::string(1, a)) <= need; ++n) {
                const int rest = need - n * TextWidth(std::string(1, a));
                const int wb = TextWidth(std::string(1, b));
                const std::string title = std::string(n, a) + std::string(rest / wb, b);
                if (rest % wb == 0 && TextWidth("　：　" + title) == width) return title;
            }
    return "";
}
