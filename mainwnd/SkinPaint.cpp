// Painting the main window: every change is composed in the back buffer and shown with one
// copy; WM_PAINT only copies.
#include "app/PlayerDlg.h"

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

void CPlayerDlg::DrawSkin(int nButton, int nImage) {
    if (!m_pBackDC) return; // not before the back buffer exists
    fw::CMemoryDC tempDC(m_pBackDC->Get());
    fw::CClientDC windowDC(m_hWnd);
    const int width = m_bmInfo.bmWidth;
    const int height = m_bmInfo.bmHeight;
    {
        // Limited by the clip region left from the previous composition: only the button
        // drawn last is put back to its idle look (the whole buffer before any was drawn).
        fw::CScopedSelectObject select(tempDC, m_bmpBack);
        ::BitBlt(*m_pBackDC, 0, 0, width, height, tempDC, 0, 0, SRCCOPY);
    }

    const int state = m_decoder.GetState(nullptr);
    if (state == IDecoder::STATE_PLAYING || state == IDecoder::STATE_PAUSED) {
        if (nButton == 0) {
            nImage = kImagePressedLit; // the play/pause key pressed over its lit look
        } else {
            ::SelectClipRgn(*m_pBackDC, m_rgnButton[0]);
            DrawSkinImage(tempDC, state == IDecoder::STATE_PLAYING ? kImagePlaying : kImagePaused);
        }
    }
    if (nButton != -1) {
        ::SelectClipRgn(*m_pBackDC, m_rgnButton[nButton]);
        DrawSkinImage(tempDC, nImage);
    }
    // The clip region stays selected: the next composition restores just that button.
    ::BitBlt(windowDC, 0, 0, width, height, *m_pBackDC, 0, 0, SRCCOPY);
}

void CPlayerDlg::DrawSkinImage(HDC tempDC, int nImage) {
    if (nImage < kImagePressed || nImage > kImagePaused) return;
    const fw::CBitmap& image = m_bmpImage[nImage - 1];
    BITMAP info{};
    ::GetObjectA(image, sizeof info, &info);
    fw::CScopedSelectObject select(tempDC, image);
    ::BitBlt(*m_pBackDC, kImageX, kImageY, info.bmWidth, info.bmHeight, tempDC, 0, 0, SRCCOPY);
}

void CPlayerDlg::OnPaint() {
    fw::CPaintDC dc(m_hWnd);
    if (::IsIconic(m_hWnd)) {
        ::SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
        const int cxIcon = ::GetSystemMetrics(SM_CXICON);
        const int cyIcon = ::GetSystemMetrics(SM_CYICON);
        RECT rect;
        ::GetClientRect(m_hWnd, &rect);
        const int x = (rect.right - rect.left - cxIcon + 1) / 2;
        const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
        ::DrawIcon(dc, x, y, m_hIcon);
        return;
    }
    if (m_pBackDC)
        ::BitBlt(dc, 0, 0, m_bmInfo.bmWidth, m_bmInfo.bmHeight, *m_pBackDC, 0, 0, SRCCOPY);
}
