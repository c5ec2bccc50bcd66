// The title ticker: a speech balloon above the main window that shows the current entry's
// number, the elapsed playing time and a line of its artist and title, which scrolls when it is
// wider than its band.
//
// A modeless dialog from IDD_TICKER. The main window creates it hidden, switches it on and off
// (m_bShown), moves it along and sends it WM_PLAYLIST_CURRENT with the elapsed time; the ticker
// reads the current entry from the playlist itself. Everything is drawn into a back buffer that
// is copied to the window whole: after each change, on every tick of its 100 ms timer and on
// WM_PAINT.
//
// Ownership: the object deletes itself after its window's last message. It owns the back
// buffer, the text DC, the font and the three bitmaps, released in DestroyWindow (or in the
// destructor, when the window went another way). The region belongs to the window once applied.
#pragma once

#include "companions/TickerScroll.h"
#include "framework/Dialog.h"
#include "framework/BackBuffer.h"
#include "framework/Gdi.h"

#include <windows.h>

#include <ctime>
#include <string>

class CPlaylist;

class CTickerDlg : public fw::CModelessDialog {
public:
    using Clock = time_t (*)();

    // `pfnNow` is the clock in whole seconds (null: the C library's).
    explicit CTickerDlg(Clock pfnNow = nullptr);
    ~CTickerDlg() override;

    // Creates the hidden window from IDD_TICKER. From then on the object deletes itself after
    // the window's last message. FALSE when the window could not be created: the caller still
    // owns the object.
    //
    // The window has no owner: the system keeps an owned window in front of its owner, where
    // the ticker is to stand behind the main window, and Wine does not make a window that owns
    // another topmost, which would break the main window's always-on-top switch.
    BOOL CreateHidden();
    // Releases the drawing objects, then destroys the window.
    BOOL DestroyWindow() override;

    // Playlist index whose text the strip holds: -1 the banner, -2 nothing yet or a refresh is
    // forced (the player controller sets -2 before it tells the ticker about a player command).
    int m_nRenderedIndex = -2;
    // The user has the ticker switched on; written by the main window only.
    BOOL m_bShown = FALSE;
    // The main window's playlist; not owned. Set before the window is created.
    CPlaylist* m_pPlaylist = nullptr;

protected:
    const fw::MessageTable& GetMessageTable() const override;
    void DoDataExchange() override {}
    BOOL OnInitDialog() override;
    // Enter and Escape never close the ticker.
    void OnOK() override {}
    void OnCancel() override {}
    void PostNcDestroy() override;

private:
    LRESULT OnCreate(CREATESTRUCTA* create);
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    // wParam: the current index << 8 | the notification code (not read); lParam: the elapsed
    // seconds.
    LRESULT OnPlaylistCurrent(WPARAM, LPARAM elapsedSec);

    void BuildRegion();
    // Redraws the digits and, when the current entry changed or a refresh is forced, the
    // strip; then shows the back buffer.
    void RenderTitle();
    void DrawDigits(HDC screenDC, int index);
    void RebuildStrip(HDC screenDC, const std::string& text);
    // Fills the band white and copies the visible part of the strip into it.
    void DrawBand();
    void ShowBackBuffer(HDC dc) const;
    void ReleaseDrawing();

    Clock m_pfnNow;
    bool m_bDeletesItself = false; // from a successful CreateHidden on
    int m_nElapsedSec = 0;         // as last received
    // The strip's text and the index it was shown for (-1: the banner, or none yet); kept while
    // the current entry is one that was deleted as it played.
    std::string m_strShownText;
    int m_nShownIndex = -1;
    ticker::CTickerScroll m_scroll; // the strip's width and offset, the scroll's start
    UINT_PTR m_nTimerId = 0;
    HRGN m_hWindowRgn = nullptr;  // the outline; the window's once SetWindowRgn took it
    BITMAP m_bmInfo{};            // the skin's description: the window's size
    fw::CBackBuffer m_backBuffer; // on IDB_TICKER: the skin, digits and band
    fw::CBitmap m_bmpDigits;      // IDB_DIGITS
    fw::CBackBuffer m_text;       // the text font, on the strip: the whole current text
};
