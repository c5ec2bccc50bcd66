// The main window's skin: its outline, the hit regions of its seven buttons, the bitmaps, the
// back buffer, and the composition of a frame from them. It knows nothing of the window that
// shows it: the window hands it a device context, the player's state and the pressed button.
//
// Ownership: the skin owns the seven button regions, the five bitmaps and the back buffer, and
// releases them once, in Release() or its destructor. The outline is handed out once, for
// SetWindowRgn, after which it belongs to the system.
#pragma once

#include "framework/BackBuffer.h"
#include "framework/Gdi.h"
#include "mainwnd/RunTables.h"

#include <windows.h>

namespace mainwnd {

// Player states as the skin shows them (the decoder's numbers); any other value is stopped.
constexpr int kSkinPlaying = 1;
constexpr int kSkinPaused = 2;

class CSkin {
public:
    CSkin() = default;
    ~CSkin() { Release(); }
    CSkin(const CSkin&) = delete;
    CSkin& operator=(const CSkin&) = delete;

    // Creates the button regions from their run tables, loads the background and the four
    // state images from `instance` and reads the background's size.
    void BuildRegions(HINSTANCE instance);
    // Gives `window` the skin's outline.
    static void ApplyOutline(HWND window);
    // The back buffer: a memory DC and a bitmap the background's size, compatible with `windowDC`.
    void CreateBackBuffer(HDC windowDC);
    // Releases the button regions, the back buffer and the bitmaps, in that order.
    void Release();

    // Composes a frame in the back buffer: the background, the play/pause key's look for the
    // player's state, and button nButton (-1: none) drawn with image nImage (1 to 4). The
    // background copy is limited by the clip region the previous composition left selected,
    // so only the button drawn last goes back to its idle look.
    void Compose(int nButton, int nImage, int playerState);
    // Copies the whole back buffer to `dc` at (0, 0).
    void Show(HDC dc) const;

    // Index of the first button region holding the point (window pixels), or NO_BUTTON.
    int HitTest(POINT point) const;

    int Width() const { return m_bmInfo.bmWidth; }
    int Height() const { return m_bmInfo.bmHeight; }
    HDC BackDC() const { return m_backBuffer.Get(); }
    HRGN ButtonRegion(int index) const { return m_rgnButton[index]; }
    // Image n (1 to 4): pressed, playing, pressed while lit, paused.
    HBITMAP Image(int n) const { return m_bmpImage[n - 1]; }

private:
    void DrawImage(HDC tempDC, int nImage);

    BITMAP m_bmInfo{};            // the background's description: the window's size
    fw::CBackBuffer m_backBuffer; // every frame is composed here
    fw::CBitmap m_bmpBack;        // IDB_BACK
    fw::CRgn m_rgnButton[BUTTON_COUNT];
    fw::CBitmap m_bmpImage[4]; // element n-1 holds image n
};

} // namespace mainwnd
