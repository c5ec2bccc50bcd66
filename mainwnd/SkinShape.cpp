// The main window's outline, its button regions and the skin bitmaps, built on WM_CREATE.
#include "app/PlayerDlg.h"

#include "mainwnd/RunTables.h"
#include "res/resource.h"

namespace {

// One region from a run table: one triangle per run, filled with the winding rule.
HRGN CreateRunRegion(mainwnd::RunTable table) {
    const mainwnd::RunPolygons polygons = mainwnd::ToTriangles(table);
    static_assert(sizeof(mainwnd::RunPoint) == sizeof(POINT), "points are handed over as they are");
    return ::CreatePolyPolygonRgn(reinterpret_cast<const POINT*>(polygons.points.data()),
                                  polygons.counts.data(), static_cast<int>(polygons.counts.size()),
                                  WINDING);
}

HBITMAP LoadSkinBitmap(UINT id) {
    return ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

} // namespace

void CPlayerDlg::BuildRegions() {
    m_hWindowRgn = CreateRunRegion(mainwnd::WindowOutline());
    for (int i = 0; i < mainwnd::BUTTON_COUNT; ++i)
        m_rgnButton[i].Attach(CreateRunRegion(mainwnd::ButtonRegion(i)));

    m_bmpBack.Attach(LoadSkinBitmap(IDB_BACK));
    const UINT images[] = {IDB_PRESSED, IDB_PLAYING, IDB_PRESSED_LIT, IDB_PAUSED};
    for (int i = 0; i < 4; ++i)
        m_bmpImage[i].Attach(LoadSkinBitmap(images[i]));
    ::GetObjectA(m_bmpBack, sizeof m_bmInfo, &m_bmInfo);
}

int CPlayerDlg::HitTestButtons(POINT point) const {
    for (int i = 0; i < mainwnd::BUTTON_COUNT; ++i) {
        if (m_rgnButton[i] && ::PtInRegion(m_rgnButton[i], point.x, point.y)) return i;
    }
    return -1;
}
