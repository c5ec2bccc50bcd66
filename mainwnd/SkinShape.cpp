// The skin's outline, button regions and bitmaps, and the button hit test.
#include "mainwnd/Skin.h"

#include "framework/RunRegion.h"
#include "res/resource.h"

namespace mainwnd {

void CSkin::BuildRegions(HINSTANCE instance) {
    for (int i = 0; i < BUTTON_COUNT; ++i)
        m_rgnButton[i].Attach(fw::CreateRunRegion(mainwnd::ButtonRegion(i)));

    auto load = [instance](UINT id) { return ::LoadBitmapA(instance, MAKEINTRESOURCEA(id)); };
    m_bmpBack.Attach(load(IDB_BACK));
    const UINT images[] = {IDB_PRESSED, IDB_PLAYING, IDB_PRESSED_LIT, IDB_PAUSED};
    for (int i = 0; i < 4; ++i)
        m_bmpImage[i].Attach(load(images[i]));
    ::GetObjectA(m_bmpBack, sizeof m_bmInfo, &m_bmInfo);
}

void CSkin::ApplyOutline(HWND window) {
    fw::ApplyRunRegion(window, WindowOutline());
}

void CSkin::Release() {
    for (fw::CRgn& rgn : m_rgnButton)
        rgn.Delete();
    m_backBuffer.Release();
    m_bmpBack.Delete();
    for (fw::CBitmap& image : m_bmpImage)
        image.Delete();
}

int CSkin::HitTest(POINT point) const {
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        if (m_rgnButton[i] && ::PtInRegion(m_rgnButton[i], point.x, point.y)) return i;
    }
    return NO_BUTTON;
}

} // namespace mainwnd
