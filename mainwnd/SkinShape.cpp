// The skin's outline, button regions and bitmaps, and the button hit test.
#include "mainwnd/Skin.h"

#include "framework/RunRegion.h"
#include "res/resource.h"

namespace mainwnd {

void CSkin::BuildRegions(HINSTANCE instance) {
    m_hWindowRgn = fw::CreateRunRegion(WindowOutline());
    for (int i = 0; i < BUTTON_COUNT; ++i)
        m_rgnButton[i].Attach(fw::CreateRunRegion(mainwnd::ButtonRegion(i)));

    auto load = [instance](UINT id) { return ::LoadBitmapA(instance, MAKEINTRESOURCEA(id)); };
    m_bmpBack.Attach(load(IDB_BACK));
    const UINT images[] = {IDB_PRESSED, IDB_PLAYING, IDB_PRESSED_LIT, IDB_PAUSED};
    for (int i = 0; i < 4; ++i)
        m_bmpImage[i].Attach(load(images[i]));
    ::GetObjectA(m_bmpBack, sizeof m_bmInfo, &m_bmInfo);
}

HRGN CSkin::TakeWindowRegion() {
    HRGN outline = m_hWindowRgn;
    m_hWindowRgn = nullptr;
    return outline;
}

void CSkin::Release() {
    for (fw::CRgn& rgn : m_rgnButton)
        rgn.Delete();
    m_backBuffer.Release();
    m_bmpBack.Delete();
    for (fw::CBitmap& image : m_bmpImage)
        image.Delete();
    // Never given to a window (a creation that failed before): still ours.
    if (m_hWindowRgn) ::DeleteObject(TakeWindowRegion());
}

int CSkin::HitTest(POINT point) const {
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        if (m_rgnButton[i] && ::PtInRegion(m_rgnButton[i], point.x, point.y)) return i;
    }
    return NO_BUTTON;
}

} // namespace mainwnd
