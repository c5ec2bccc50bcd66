#include "framework/BackBuffer.h"

namespace fw {

void CBackBuffer::Create(HDC compatibleWith, HBITMAP bitmap) {
    Release();
    m_pBackDC = std::make_unique<CMemoryDC>(compatibleWith);
    if (bitmap) ReplaceBitmap(bitmap);
}

void CBackBuffer::CreateCompatible(HDC compatibleWith, int width, int height) {
    Create(compatibleWith, ::CreateCompatibleBitmap(compatibleWith, width, height));
}

void CBackBuffer::ReplaceBitmap(HBITMAP bitmap) {
    if (!m_pBackDC) {
        if (bitmap) ::DeleteObject(bitmap);
        return;
    }
    const HGDIOBJ previous = ::SelectObject(*m_pBackDC, bitmap);
    if (!m_hOldBitmap) m_hOldBitmap = previous; // the DC's own, kept for the end
    m_bmpBackBuffer.Attach(bitmap);             // the one it replaced is no longer selected
}

void CBackBuffer::SelectFont(HFONT font) {
    if (!m_pBackDC) {
        if (font) ::DeleteObject(font);
        return;
    }
    const HGDIOBJ previous = ::SelectObject(*m_pBackDC, font);
    if (!m_hOldFont) m_hOldFont = previous;
    m_font.Attach(font);
}

void CBackBuffer::Release() {
    if (m_pBackDC) {
        if (m_hOldBitmap) ::SelectObject(*m_pBackDC, m_hOldBitmap);
        if (m_hOldFont) ::SelectObject(*m_pBackDC, m_hOldFont);
    }
    m_hOldBitmap = m_hOldFont = nullptr;
    m_pBackDC.reset();
    m_bmpBackBuffer.Delete();
    m_font.Delete();
}

} // namespace fw
