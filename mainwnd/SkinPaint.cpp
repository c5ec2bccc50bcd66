// Composing the skin: every change is drawn into the back buffer and shown with one copy.
#include "mainwnd/Skin.h"

namespace mainwnd {
namespace {

// Where every skin image is drawn: its top-left corner on the panel.
constexpr int kImageX = 14;
constexpr int kImageY = 50;

// Skin image numbers (image n is m_bmpImage[n - 1]).
constexpr int kImagePressed = 1;
constexpr int kImagePlaying = 2;
constexpr int kImagePressedLit = 3;
constexpr int kImagePaused = 4;

} // namespace

void CSkin::CreateBackBuffer(HDC windowDC) {
    m_backBuffer.CreateCompatible(windowDC, Width(), Height());
}

void CSkin::Compose(int nButton, int nImage, int playerState) {
    if (!m_backBuffer) return; // not before the back buffer exists
    fw::CMemoryDC tempDC(m_backBuffer);
    {
        // Limited by the clip region left from the previous composition: only the button
        // drawn last is put back to its idle look (the whole buffer before any was drawn).
        fw::CScopedSelectObject select(tempDC, m_bmpBack);
        ::BitBlt(m_backBuffer, 0, 0, Width(), Height(), tempDC, 0, 0, SRCCOPY);
    }
    if (playerState == kSkinPlaying || playerState == kSkinPaused) {
        if (nButton == BUTTON_PLAYPAUSE) {
            nImage = kImagePressedLit; // the play/pause key pressed over its lit look
        } else {
            ::SelectClipRgn(m_backBuffer, m_rgnButton[BUTTON_PLAYPAUSE]);
            DrawImage(tempDC, playerState == kSkinPlaying ? kImagePlaying : kImagePaused);
        }
    }
    if (nButton != NO_BUTTON) {
        ::SelectClipRgn(m_backBuffer, m_rgnButton[nButton]);
        DrawImage(tempDC, nImage);
    }
    // The clip region stays selected: the next composition restores just that button.
}

void CSkin::DrawImage(HDC tempDC, int nImage) {
    if (nImage < kImagePressed || nImage > kImagePaused) return;
    const fw::CBitmap& image = m_bmpImage[nImage - 1];
    BITMAP info{};
    ::GetObjectA(image, sizeof info, &info);
    fw::CScopedSelectObject select(tempDC, image);
    ::BitBlt(m_backBuffer, kImageX, kImageY, info.bmWidth, info.bmHeight, tempDC, 0, 0, SRCCOPY);
}

void CSkin::Show(HDC dc) const {
    if (m_backBuffer) ::BitBlt(dc, 0, 0, Width(), Height(), m_backBuffer, 0, 0, SRCCOPY);
}

} // namespace mainwnd
