// Presses, releases, double clicks and drags on the main window.
#include "app/PlayerDlg.h"

#include "mainwnd/RunTables.h"

void CPlayerDlg::OnLButtonDown(UINT, POINT point) {
    m_tLastAction = m_pfnNow();
    const int button = HitTestButtons(point);
    if (button != -1) {
        m_nPressed = button;
        DrawSkin(button, 1);
        ::SetCapture(m_hWnd); // the release must come here, wherever the pointer goes
        return;
    }
    // Outside the buttons the whole skin is a handle to move the window by: let the system
    // run its move loop as if the caption had been pressed. Returns when the drag ends.
    m_nPressed = -1;
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    ::SendMessageA(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

void CPlayerDlg::OnLButtonUp(UINT, POINT point) {
    m_tLastAction = m_pfnNow();
    ::ReleaseCapture();
    DrawSkin(-1, 0);
    int button = HitTestButtons(point);
    // A press acts only when released over the same button.
    if (button != m_nPressed) button = -1;
    m_nPressed = -1;
    DoButtonAction(button);
}

void CPlayerDlg::OnLButtonDblClk(UINT, POINT point) {
    // The first click of a double click has already acted on its release.
    const int button = HitTestButtons(point);
    if (button != -1) {
        DoButtonAction(button);
        return;
    }
    if (!m_bShrunk) ShrinkByDoubleClick();
}

void CPlayerDlg::DoButtonAction(int button) {
    switch (button) {
    case mainwnd::BUTTON_PLAYPAUSE:
        PlayerControl(PC_PLAYPAUSE);
        break;
    case mainwnd::BUTTON_STOP:
        PlayerControl(PC_STOP);
        break;
    case mainwnd::BUTTON_PREV:
        PlayerControl(PC_PREV);
        break;
    case mainwnd::BUTTON_NEXT:
        PlayerControl(PC_NEXT);
        break;
    case mainwnd::BUTTON_TICKER:
        ToggleTicker();
        break;
    case mainwnd::BUTTON_PLAYLIST:
        OpenPlaylistEditor();
        break;
    case mainwnd::BUTTON_EXIT:
        ConfirmExit();
        break;
    default:
        break;
    }
}
