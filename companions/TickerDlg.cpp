#include "companions/TickerDlg.h"

#include "companions/TickerLayout.h"
#include "companions/TickerText.h"
#include "framework/RunRegion.h"
#include "res/resource.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollPeriodMs = 100;
// How long a notice stands in the band.
constexpr DWORD kNoticeMs = 1000;

time_t CurrentTime() {
    return std::time(nullptr);
}

// The text font: 18 pixels high, bold, Shift-JIS, TrueType.
HFONT CreateTickerFont() {
    return ::CreateFontA(18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DRAFT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                         "ＭＳ Ｐゴシック");
}

// Draws `text` black on white into a new bitmap of `line` (which holds the text font), as wide
// as the text but at most `maxWidth`; returns that width.
int RenderLine(fw::CBackBuffer& line, HDC screenDC, const std::string& text, int maxWidth) {
    SIZE extent{};
    ::GetTextExtentPoint32A(line, text.data(), static_cast<int>(text.size()), &extent);
    const int width = std::min(static_cast<int>(extent.cx), maxWidth);
    line.ReplaceBitmap(::CreateCompatibleBitmap(screenDC, width, extent.cy));
    const RECT all = {0, 0, width, ticker::kBandHeight};
    ::FillRect(line, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetTextColor(line, RGB(0, 0, 0));
    ::SetBkColor(line, RGB(255, 255, 255));
    ::TextOutA(line, 0, 0, text.data(), static_cast<int>(text.size()));
    return width;
}

} // namespace

CTickerDlg::CTickerDlg(Clock pfnNow)
    : fw::CModelessDialog(IDD_TICKER, nullptr), m_pfnNow(pfnNow ? pfnNow : &CurrentTime) {}

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
    };
    static const fw::MessageTable table = {messages, fw::CountOf(messages), nullptr, 0, nullptr, 0};
    return table;
}

LRESULT CTickerDlg::OnCreate(CREATESTRUCTA*) {
    fw::ApplyRunRegion(Hwnd(), ticker::BalloonRuns());
    return Default();
}

BOOL CTickerDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    {
        fw::CClientDC screenDC(Hwnd());
        m_backBuffer.Create(screenDC, ::LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_TICKER)));
        m_text.Create(screenDC, nullptr);
    }
    m_bmpDigits.Attach(::LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_DIGITS)));
    ::GetObjectA(m_backBuffer.Bitmap(), sizeof m_bmInfo, &m_bmInfo);

    ::SetWindowPos(Hwnd(), nullptr, 0, 0, m_bmInfo.bmWidth, m_bmInfo.bmHeight,
                   SWP_NOMOVE | SWP_NOZORDER);

    m_text.SelectFont(CreateTickerFont());
    {
        fw::CClientDC screenDC(Hwnd());
        m_notice.Create(screenDC, nullptr);
    }
    m_notice.SelectFont(CreateTickerFont());

    RenderTitle(); // always renders the text: nothing is rendered yet
    return TRUE;   // created hidden: the scroll timer runs only while the ticker is shown
}

BOOL CTickerDlg::DestroyWindow() {
    ReleaseDrawing();
    return fw::CDialog::DestroyWindow();
}

void CTickerDlg::ReleaseDrawing() {
    if (m_nTimerId && Hwnd()) ::KillTimer(Hwnd(), m_nTimerId);
    m_nTimerId = 0;
    m_backBuffer.Release();
    m_bmpDigits.Delete();
    m_text.Release();
    m_notice.Release();
    m_bNotice = false;
}

void CTickerDlg::ShowCurrent(const CCurrentEntry& current, int elapsedSec, bool forceRefresh) {
    m_current = current;
    m_nElapsedSec = elapsedSec;
    if (forceRefresh) m_nRenderedIndex = -2;
    RenderTitle();
}

void CTickerDlg::ShowNotice(const std::string& text) {
    if (!m_backBuffer || !m_notice) return;
    fw::CClientDC screenDC(Hwnd());
    m_nNoticeWidth = RenderLine(m_notice, screenDC, text, ticker::kBandWidth);
    m_bNotice = true;
    m_dwNoticeSince = ::GetTickCount();
    DrawBand();
    ShowBackBuffer(screenDC);
}

void CTickerDlg::EndNotice() {
    m_bNotice = false;
    DrawBand();
}

void CTickerDlg::RenderTitle() {
    if (!m_backBuffer) return; // not before initialisation, not after teardown
    const bool haveEntry = m_current.nIndex >= 0;
    // The current entry was deleted while its track plays on: what is shown stays until another
    // entry becomes current. The banner is for a list without entries.
    const bool keepShown = !haveEntry && m_current.bPlaceKept && m_nShownIndex >= 0;
    const int index = haveEntry ? m_current.nIndex : keepShown ? m_nShownIndex : -1;

    fw::CClientDC screenDC(Hwnd());
    DrawDigits(screenDC, index);
    if (index != m_nRenderedIndex) {
        if (!keepShown) m_strShownText = ticker::TickerText(haveEntry ? &m_current.entry : nullptr);
        RebuildStrip(screenDC, m_strShownText);
        m_nRenderedIndex = m_nShownIndex = index;
        DrawBand();
    }
    ShowBackBuffer(screenDC);
}

void CTickerDlg::DrawDigits(HDC screenDC, int index) {
    fw::CMemoryDC digitsDC(screenDC);
    fw::CScopedSelectObject select(digitsDC, m_bmpDigits);
    for (const ticker::GlyphCopy& glyph : ticker::DigitCopies(index, m_nElapsedSec)) {
        ::BitBlt(m_backBuffer, glyph.x, ticker::kDigitsTop, glyph.width, ticker::kGlyphHeight,
                 digitsDC, glyph.glyphX, 0, SRCCOPY);
    }
}

void CTickerDlg::RebuildStrip(HDC screenDC, const std::string& text) {
    // A text too wide for one bitmap is cut at the strip's right end.
    m_scroll.SetText(RenderLine(m_text, screenDC, text, ticker::kMaxStripWidth), m_pfnNow());
}

void CTickerDlg::DrawBand() {
    const RECT band = {ticker::kBandLeft, ticker::kBandTop, ticker::kBandLeft + ticker::kBandWidth,
                       ticker::kBandTop + ticker::kBandHeight};
    ::FillRect(m_backBuffer, &band, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (m_bNotice) {
        ::BitBlt(m_backBuffer, ticker::kBandLeft, ticker::kBandTop, m_nNoticeWidth,
                 ticker::kBandHeight, m_notice, 0, 0, SRCCOPY);
        return;
    }
    const ticker::StripCopy part = m_scroll.Visible();
    ::BitBlt(m_backBuffer, part.x, ticker::kBandTop, part.width, ticker::kBandHeight, m_text,
             part.stripX, 0, SRCCOPY);
}

void CTickerDlg::ShowBackBuffer(HDC dc) const {
    ::BitBlt(dc, 0, 0, m_bmInfo.bmWidth, m_bmInfo.bmHeight, m_backBuffer, 0, 0, SRCCOPY);
}

void CTickerDlg::OnTimer(UINT_PTR) {
    const time_t now = m_pfnNow();
    if (m_bNotice && ::GetTickCount() - m_dwNoticeSince >= kNoticeMs) EndNotice();
    if (m_backBuffer && !m_bNotice && m_scroll.Moves()) {
        DrawBand();
        m_scroll.Advance(now);
    }
    if (m_backBuffer) ShowBackBuffer(fw::CClientDC(Hwnd()));
    Default();
}

void CTickerDlg::OnShowWindow(BOOL bShow, UINT) {
    Default();
    // Shown again: the text starts over, with its pause. Hidden, nothing ticks: a hidden
    // ticker costs the player no wake-ups.
    if (bShow) {
        m_scroll.Restart(m_pfnNow());
        if (!m_nTimerId) m_nTimerId = ::SetTimer(Hwnd(), kScrollTimer, kScrollPeriodMs, nullptr);
    } else if (m_nTimerId) {
        ::KillTimer(Hwnd(), m_nTimerId);
        m_nTimerId = 0;
        // Its time runs out unseen: the line is what shows when the ticker is back.
        if (m_bNotice) EndNotice();
    }
}

void CTickerDlg::OnPaint() {
    fw::CPaintDC dc(Hwnd());
    if (m_backBuffer) ShowBackBuffer(dc);
}
