// The title ticker: a speech balloon above the main window that shows the current entry's
// number, the elapsed playing time and a line of its artist and title, which scrolls when it is
// wider than its band.
//
// A modeless dialog from IDD_TICKER, made, switched on and off and placed by its owner
// (companions/Ticker.h), which tells it the current entry and the elapsed time: it shows what it
// is told. Everything is drawn into a back buffer that is copied to the window whole: after each
// change, on every tick of its 100 ms timer (which runs only while the window is shown) and on
// WM_PAINT.
//
// Ownership: it owns the back buffer, the text DC, the font and the bitmaps, released in
// DestroyWindow (or in the destructor, when the window went another way). The region belongs to
// the window.
#pragma once

#include "companions/TickerScroll.h"
#include "framework/Dialog.h"
#include "framework/BackBuffer.h"
#include "framework/Gdi.h"
#include "playlist/Playlist.h"

#include <windows.h>

#include <ctime>
#include <string>

class CTickerDlg : public fw::CModelessDialog {
public:
    using Clock = time_t (*)();

    // `pfnNow` is the clock in whole seconds (null: the C library's).
    explicit CTickerDlg(Clock pfnNow = nullptr);
    ~CTickerDlg() override;

    // The window is made hidden, from IDD_TICKER, without an owner window: the system keeps an
    // owned window in front of its owner, where the ticker is to stand behind the main window,
    // and Wine does not make a window that owns another topmost, which would break the main
    // window's always-on-top switch.

    // Releases the drawing objects, then destroys the window.
    BOOL DestroyWindow() override;

    // Shows `current` (its number, and its line unless that is shown already) and the elapsed
    // seconds. With `forceRefresh` the line is rendered afresh even for the same entry (after a
    // player command: its tags may have been read again).
    void ShowCurrent(const CCurrentEntry& current, int elapsedSec, bool forceRefresh);
    // Shows `text` in the band in place of the line for about a second (kNoticeMs); the line
    // stands still meanwhile. A text wider than the band is cut.
    void ShowNotice(const std::string& text);

protected:
    const fw::MessageTable& GetMessageTable() const override;
    void DoDataExchange() override {}
    BOOL OnInitDialog() override;
    // Enter and Escape never close the ticker.
    void OnOK() override {}
    void OnCancel() override {}

private:
    LRESULT OnCreate(CREATESTRUCTA* create);
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void OnShowWindow(BOOL bShow, UINT nStatus);

    // Redraws the digits and, when the current entry changed or a refresh is forced, the
    // strip; then shows the back buffer.
    void RenderTitle();
    void DrawDigits(HDC screenDC, int index);
    void RebuildStrip(HDC screenDC, const std::string& text);
    // Fills the band white and copies the visible part of the strip into it.
    void DrawBand();
    void ShowBackBuffer(HDC dc) const;
    // The notice's time is over: the band shows the line again.
    void EndNotice();
    void ReleaseDrawing();

    Clock m_pfnNow;
    CCurrentEntry m_current; // as last told
    int m_nElapsedSec = 0;   // as last told
    // Playlist index whose text the strip holds: -1 the banner, -2 nothing yet or a refresh is
    // forced.
    int m_nRenderedIndex = -2;
    // The strip's text and the index it was shown for (-1: the banner, or none yet); kept while
    // the current entry is one that was deleted as it played.
    std::string m_strShownText;
    int m_nShownIndex = -1;
    ticker::CTickerScroll m_scroll; // the strip's width and offset, the scroll's start
    UINT_PTR m_nTimerId = 0;
    BITMAP m_bmInfo{};            // the skin's description: the window's size
    fw::CBackBuffer m_backBuffer; // on IDB_TICKER: the skin, digits and band
    fw::CBitmap m_bmpDigits;      // IDB_DIGITS
    fw::CBackBuffer m_text;       // the text font, on the strip: the whole current text
    fw::CBackBuffer m_notice;     // the text font, on the notice's text while one is shown
    int m_nNoticeWidth = 0;       // of the notice's text, cut to the band
    bool m_bNotice = false;       // the band shows the notice
    DWORD m_dwNoticeSince = 0;    // tick count when it was shown
};
