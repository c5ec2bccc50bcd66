// The main window's skin until its art and regions are in: a plain rectangle of the skin's
// size, painted in one colour through the back buffer.
#include "app/PlayerDlg.h"

namespace {
constexpr int kSkinWidth = 233;
constexpr int kSkinHeight = 206;
} // namespace

void CPlayerDlg::BuildRegions() {
    m_bmInfo.bmWidth = kSkinWidth;
    m_bmInfo.bmHeight = kSkinHeight;
}

void CPlayerDlg::DrawSkin(int, int) {
    if (!m_pBackDC) return;
    RECT all = {0, 0, m_bmInfo.bmWidth, m_bmInfo.bmHeight};
    fw::CBrush panel(::CreateSolidBrush(RGB(240, 236, 226)));
    ::FillRect(*m_pBackDC, &all, panel);
    fw::CClientDC windowDC(m_hWnd);
    ::BitBlt(windowDC, 0, 0, m_bmInfo.bmWidth, m_bmInfo.bmHeight, *m_pBackDC, 0, 0, SRCCOPY);
}

void CPlayerDlg::OnPaint() {
    fw::CPaintDC dc(m_hWnd);
    if (m_pBackDC) {
        ::BitBlt(dc, 0, 0, m_bmInfo.bmWidth, m_bmInfo.bmHeight, *m_pBackDC, 0, 0, SRCCOPY);
    }
}
