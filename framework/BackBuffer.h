// A back buffer: a memory DC together with what is selected into it for its life, owned as one.
//
// The DC keeps the bitmap (and, for text, the font) it draws on; each selection remembers what
// the DC held before and puts it back before the object is deleted, and the DC goes first of
// all (a selected bitmap or font cannot be deleted).
#pragma once

#include "framework/Gdi.h"

#include <windows.h>

#include <memory>

namespace fw {

class CBackBuffer {
public:
    CBackBuffer() = default;
    ~CBackBuffer() { Release(); }
    CBackBuffer(const CBackBuffer&) = delete;
    CBackBuffer& operator=(const CBackBuffer&) = delete;

    // A memory DC compatible with `compatibleWith`, drawing on `bitmap` (owned from now on;
    // null: the DC's own until ReplaceBitmap).
    void Create(HDC compatibleWith, HBITMAP bitmap);
    // A bitmap compatible with `compatibleWith`, width x height, in a DC compatible with it.
    void CreateCompatible(HDC compatibleWith, int width, int height);
    // The DC draws on `bitmap` from now on (owned; null: on its own again); the one before is
    // deleted.
    void ReplaceBitmap(HBITMAP bitmap);
    // The DC writes with `font` (owned) for its life.
    void SelectFont(HFONT font);
    // Puts back what the DC held, deletes the DC, then the bitmap and the font.
    void Release();

    HDC Get() const { return m_pBackDC ? m_pBackDC->Get() : nullptr; }
    operator HDC() const { return Get(); }
    explicit operator bool() const { return m_pBackDC != nullptr; }
    HBITMAP Bitmap() const { return m_bmpBackBuffer; }

private:
    std::unique_ptr<CMemoryDC> m_pBackDC;
    CBitmap m_bmpBackBuffer;        // selected into m_pBackDC while both live
    HGDIOBJ m_hOldBitmap = nullptr; // what m_pBackDC held before m_bmpBackBuffer
    CFont m_font;                   // selected into m_pBackDC while both live
    HGDIOBJ m_hOldFont = nullptr;   // what m_pBackDC held before m_font
};

} // namespace fw
