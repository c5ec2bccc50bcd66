#include "companions/TickerDlg.h"

#include "companions/TickerLayout.h"
#include "companions/TickerText.h"
#include "framework/RunRegion.h"
#include "playlist/Playlist.h"
#include "res/Messages.h"
#include "res/resource.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollPeriodMs = 100;

time_t CurrentTime() {
    return std::time(nullptr);
}

// The text font: 18 pixels high, bold, Shift-JIS, TrueType.
HFONT CreateTickerFont() {
    return ::CreateFontA(18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DRAFT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                         "ＭＳ Ｐゴシック");
}

} // namespace

CTickerDlg::CTickerDlg(Clock pfnNow)
    : fw::CDialog(IDD_TICKER, nullptr), m_pfnNow(pfnNow ? pfnNow : &CurrentTime) {}

CTickerDlg::~CTickerDlg() {
    // The window went without DestroyWindow (destroyed by its handle, a creation that failed).
    ReleaseDrawing();
}

const fw::MessageTable& CTickerDlg::GetMessageTable() const {
    using D = CTickerDlg;
    static const fw::MessageEntry messages[] = {
        {WM_CREATE, &fw::Route<WM_CREATE, &D::OnCreate>},
        {WM_PAINT, &fw::Route<WM_PAINT, &D::OnPaint>},
        {WM_TIMER, &fw::Route<WM_TIMER, &D::OnTimer>},
        {WM_SHOWWINDOW, &fw::Route<WM_SHOWWINDOW, &D::OnShowWindow>},
        {WM_PLAYLIST_CURRENT, &fw::RoutePrivate<&D::OnPlaylistCurrent>},
    };
    static const fw::MessageTable table = {messages, fw::CountOf(messages), nullptr, 0, nullptr, 0};
    return table;
}

BOOL CTickerDlg::CreateHidden() {
    if (!Create(IDD_TICKER, nullptr)) return FALSE;
    m_bDeletesItself = true;
    return TRUE;
}

void CTickerDlg::PostNcDestroy() {
    if (m_bDeletesItself) delete this;
}

LRESULT CTickerDlg::OnCreate(CREATESTRUCTA*) {
    BuildRegion();
    // Once accepted, the region belongs to the system and goes with the window.
    if (m_hWindowRgn && !::SetWindowRgn(m_hWnd, m_hWindowRgn, TRUE)) ::DeleteObject(m_hWindowRgn);
    return Default();
}

void CTickerDlg::BuildRegion() {
    m_hWindowRgn = fw::CreateRunRegion(ticker::BalloonRuns());
}

BOOL CTickerDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    {
        fw::CClientDC screenDC(m_hWnd);
        m_pBackDC = std::make_unique<fw::CMemoryDC>(screenDC);
        m_pTextDC = std::make_unique<fw::CMemoryDC>(screenDC);
    }
    m_bmpSkin.Attach(::LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_TICKER)));
    m_bmpDigits.Attach(::LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_DIGITS)));
    m_hOldBitmap = ::SelectObject(*m_pBackDC, m_bmpSkin);
    ::GetObjectA(m_bmpSkin, sizeof m_bmInfo, &m_bmInfo);

    ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_bmInfo.bmWidth, m_bmInfo.bmHeight,
                   SWP_NOMOVE | SWP_NOZORDER);

    m_font.Attach(CreateTickerFont());
    m_hOldTextFont = ::SelectObject(*m_pTextDC, m_font);

    RenderTitle(); // always renders the text: nothing is rendered yet
    m_nTimerId = ::SetTimer(m_hWnd, kScrollTimer, kScrollPeriodMs, nullptr);
    return TRUE;
}

BOOL CTickerDlg::DestroyWindow() {
    ReleaseDrawing();
    return fw::CDialog::DestroyWindow();
}

void CTickerDlg::ReleaseDrawing() {
    if (m_nTimerId && m_hWnd) ::KillTimer(m_hWnd, m_nTimerId);
    m_nTimerId = 0;
    // A bitmap or font can only be deleted once no DC holds it: each DC gets back what it held
    // first, then goes, then what it held is deleted.
    if (m_pBackDC && m_hOldBitmap) ::SelectObject(*m_pBackDC, m_hOldBitmap);
    m_hOldBitmap = nullptr;
    m_pBackDC.reset();
    m_bmpSkin.Delete();
    m_bmpDigits.Delete();
    if (m_pTextDC && m_hOldTextBitmap) ::SelectObject(*m_pTextDC, m_hOldTextBitmap);
    if (m_pTextDC && m_hOldTextFont) ::SelectObject(*m_pTextDC, m_hOldTextFont);
    m_hOldTextBitmap = m_hOldTextFont = nullptr;
    m_pTextDC.reset();
    m_font.Delete();
    m_bmpText.Delete();
}

LRESULT CTickerDlg::OnPlaylistCurrent(WPARAM, LPARAM elapsedSec) {
    m_nElapsedSec = static_cast<int>(elapsedSec);
    RenderTitle();
    return Default();
}

void CTickerDlg::RenderTitle() {
    if (!m_pBackDC) return; // not before initialisation, not after teardown
    int index = -1;
    CTrackEntry entry;
    const bool haveEntry = m_pPlaylist && m_pPlaylist->GetCurrent(&index, &entry);
    if (!haveEntry) index = -1;

    fw::CClientDC screenDC(m_hWnd);
    DrawDigits(screenDC, index);
    if (index != m_nRenderedIndex) {
        RebuildStrip(screenDC, ticker::TickerText(haveEntry ? &entry : nullptr));
        m_nRenderedIndex = index;
        DrawBand();
    }
    ShowBackBuffer(screenDC);
}

void CTickerDlg::DrawDigits(HDC screenDC, int index) {
    fw::CMemoryDC digitsDC(screenDC);
    fw::CScopedSelectObject select(digitsDC, m_bmpDigits);
    for (const ticker::GlyphCopy& glyph : ticker::DigitCopies(index, m_nElapsedSec)) {
        ::BitBlt(*m_pBackDC, glyph.x, ticker::kDigitsTop, glyph.width, ticker::kGlyphHeight,
                 digitsDC, glyph.glyphX, 0, SRCCOPY);
    }
}

void CTickerDlg::RebuildStrip(HDC screenDC, const std::string& text) {
    if (m_hOldTextBitmap) ::SelectObject(*m_pTextDC, m_hOldTextBitmap);
    m_hOldTextBitmap = nullptr;
    m_bmpText.Delete();

    SIZE extent{};
    ::GetTextExtentPoint32A(*m_pTextDC, text.data(), static_cast<int>(text.size()), &extent);
    // A text too wide for one bitmap is cut at the strip's right end.
    const int width = std::min(static_cast<int>(extent.cx), ticker::kMaxStripWidth);
    m_bmpText.Attach(::CreateCompatibleBitmap(screenDC, width, extent.cy));
    m_hOldTextBitmap = ::SelectObject(*m_pTextDC, m_bmpText);

    const RECT strip = {0, 0, width, ticker::kBandHeight};
    ::FillRect(*m_pTextDC, &strip, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetTextColor(*m_pTextDC, RGB(0, 0, 0));
    ::SetBkColor(*m_pTextDC, RGB(255, 255, 255));
    ::TextOutA(*m_pTextDC, 0, 0, text.data(), static_cast<int>(text.size()));

    m_scroll.SetText(width, m_pfnNow());
}

void CTickerDlg::DrawBand() {
    const RECT band = {ticker::kBandLeft, ticker::kBandTop, ticker::kBandLeft + ticker::kBandWidth,
                       ticker::kBandTop + ticker::kBandHeight};
    ::FillRect(*m_pBackDC, &band, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    const ticker::StripCopy part = m_scroll.Visible();
    ::BitBlt(*m_pBackDC, part.x, ticker::kBandTop, part.width, ticker::kBandHeight, *m_pTextDC,
             part.stripX, 0, SRCCOPY);
}

void CTickerDlg::ShowBackBuffer(HDC dc) const {
    ::BitBlt(dc, 0, 0, m_bmInfo.bmWidth, m_bmInfo.bmHeight, *m_pBackDC, 0, 0, SRCCOPY);
}

void CTickerDlg::OnTimer(UINT_PTR) {
    const time_t now = m_pfnNow();
    if (m_pBackDC) {
        if (m_bShown && m_scroll.Moves()) {
            DrawBand();
            m_scroll.Advance(now);
        }
        ShowBackBuffer(fw::CClientDC(m_hWnd));
    }
    Default();
}

void CTickerDlg::OnShowWindow(BOOL bShow, UINT) {
    Default();
    // Shown again: the text starts over, with its pause. Hiding changes nothing.
    if (bShow) m_scroll.Restart(m_pfnNow());
}

void CTickerDlg::OnPaint() {
    fw::CPaintDC dc(m_hWnd);
    if (m_pBackDC) ShowBackBuffer(dc);
}
