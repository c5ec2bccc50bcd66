// The right-click menu, shared with the mini window: its check marks are the two options.
#include "app/PlayerDlg.h"

#include "framework/PopupMenu.h"
#include "res/resource.h"

BOOL CPlayerDlg::IsMenuChecked(UINT id) const {
    const UINT state = ::GetMenuState(m_pPopupMenu, id, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

// Flips a check mark and returns the new state.
BOOL CPlayerDlg::ToggleMenuCheck(UINT id) {
    const BOOL checked = !IsMenuChecked(id);
    ::CheckMenuItem(m_pPopupMenu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    return checked;
}

void CPlayerDlg::OnRButtonUp(UINT, POINT point) {
    if (!m_pPopupMenu) return;
    m_tLastAction = m_pfnNow();
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    const UINT id =
        fw::TrackPopupMenuCommand(m_pPopupMenu, TPM_RIGHTBUTTON, screen.x, screen.y, m_hWnd);
    switch (id) {
    case ID_TOPMOST:
        ApplyTopmost(m_hWnd, ToggleMenuCheck(ID_TOPMOST));
        SaveWindowSettings();
        break;
    case ID_AUTOSHRINK:
        ToggleAutoShrink();
        break;
    default:
        OnMenuCommand(id);
        break;
    }
}

void CPlayerDlg::ToggleAutoShrink() {
    m_bAutoShrink = ToggleMenuCheck(ID_AUTOSHRINK) ? 1 : 0;
    SaveWindowSettings();
}

void CPlayerDlg::OnMenuCommand(UINT id) {
    switch (id) {
    case ID_PLAYPAUSE:
        PlayerControl(PC_PLAYPAUSE);
        break;
    case ID_STOP:
        PlayerControl(PC_STOP);
        break;
    case ID_PREVTRACK:
        PlayerControl(PC_PREVPLAY);
        break;
    case ID_NEXTTRACK:
        PlayerControl(PC_NEXTPLAY);
        break;
    case ID_EXIT:
        ConfirmExit();
        break;
    default:
        // Anything else (a dismissed menu's 0 included) is no player command: refused there.
        PlayerControl(static_cast<int>(id));
        break;
    }
}
