// Presses, releases, double clicks and drags on the main window, and its right-click menu, which
// it shares with the mini window: the menu's check marks are the two options.
#include "app/PlayerDlg.h"

#include "app/PlayerCommands.h"
#include "companions/Topmost.h"
#include "framework/PopupMenu.h"
#include "res/resource.h"

void CPlayerDlg::OnLButtonDown(UINT, POINT point) {
    m_tLastAction = m_pfnNow();
    // A press on the player brings the ticker along too where the player was active already
    // (no activation then), in case another program's window came between the two.
    RequestTickerStack();
    const int button = m_skin.HitTest(point);
    if (button != mainwnd::NO_BUTTON) {
        m_nPressed = button;
        DrawSkin(button, 1);
        ::SetCapture(m_hWnd); // the release must come here, wherever the pointer goes
        return;
    }
    // Outside the buttons the whole skin is a handle to move the window by.
    m_nPressed = -1;
    m_drag.Press(m_hWnd, point);
}

void CPlayerDlg::OnMouseMove(UINT nFlags, POINT) {
    m_drag.MouseMove(m_hWnd, nFlags);
}

void CPlayerDlg::OnLButtonUp(UINT, POINT point) {
    m_tLastAction = m_pfnNow();
    m_drag.Release();
    ::ReleaseCapture();
    DrawSkin(-1, 0);
    int button = m_skin.HitTest(point);
    // A press acts only when released over the same button.
    if (button != m_nPressed) button = -1;
    m_nPressed = -1;
    DoButtonAction(button);
}

void CPlayerDlg::OnLButtonDblClk(UINT, POINT point) {
    // The first click of a double click has already acted on its release.
    const int button = m_skin.HitTest(point);
    if (button != mainwnd::NO_BUTTON) {
        DoButtonAction(button);
        return;
    }
    if (!m_bShrunk) Shrink();
}

void CPlayerDlg::DoButtonAction(int button) {
    Carry(CommandOfButton(button));
}

void CPlayerDlg::Carry(const CPlayerCommand* command) {
    if (!command) return;
    switch (command->action) {
    case PlayerAction::PlayerControl:
        PlayerControl(command->nCode);
        break;
    case PlayerAction::ToggleTicker:
        ToggleTicker();
        break;
    case PlayerAction::OpenPlaylist:
        OpenPlaylistEditor();
        break;
    case PlayerAction::Exit:
        ConfirmExit();
        break;
    }
}

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
    UpdateShrinkTimer();
    SaveWindowSettings();
}

void CPlayerDlg::OnMenuCommand(UINT id) {
    // A dismissed menu's 0, or an id that is no command, does nothing.
    Carry(CommandOfMenuId(id));
}

LRESULT CPlayerDlg::OnMiniCommand(WPARAM id, LPARAM) {
    // The automatic shrink chosen in the mini window's menu switches as it does here (and
    // saves); every other command saves the settings first, then acts.
    if (id == ID_AUTOSHRINK) {
        ToggleAutoShrink();
    } else {
        SaveWindowSettings();
        OnMenuCommand(static_cast<UINT>(id));
    }
    return Default();
}
