// What the user does to the player: presses, releases, double clicks and drags on the main
// window, its right-click menu (shared with the mini window: the menu's check marks are the two
// options), the media keys, the arrow keys and the mouse wheel, the requests of the mini window
// and the playlist editor, and the shrinks to the mini window, by a double click or after three
// idle minutes.
#include "app/PlayerDlg.h"

#include "app/PlayerCommands.h"
#include "companions/Topmost.h"
#include "framework/PopupMenu.h"
#include "mainwnd/IdleRule.h"
#include "playback/PlayerController.h"
#include "playlist/Playlist.h"
#include "res/resource.h"

BOOL CPlayerDlg::PlayerControl(int nCode) {
    return m_pController && m_pController->PlayerControl(nCode);
}

void CPlayerDlg::OnLButtonDown(UINT, POINT point) {
    m_tLastAction = m_pfnNow();
    // A press on the player brings the ticker along too where the player was active already
    // (no activation then), in case another program's window came between the two.
    m_ticker.RequestStack(Hwnd());
    const int button = m_skin.HitTest(point);
    if (button != mainwnd::NO_BUTTON) {
        m_nPressed = button;
        DrawSkin(button, 1);
        ::SetCapture(Hwnd()); // the release must come here, wherever the pointer goes
        return;
    }
    // Outside the buttons the whole skin is a handle to move the window by.
    m_nPressed = -1;
    m_drag.Press(Hwnd(), point);
}

void CPlayerDlg::OnMouseMove(UINT nFlags, POINT) {
    m_drag.MouseMove(Hwnd(), nFlags);
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

void CPlayerDlg::OnMenuCommand(UINT id) {
    // A dismissed menu's 0, or an id that is no command, does nothing.
    Carry(CommandOfMenuId(id));
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
        if (m_pPlaylist) m_editor.Open(*this, *m_pPlaylist, m_decoder);
        break;
    case PlayerAction::Exit:
        ConfirmExit();
        break;
    case PlayerAction::ToggleTopmost:
        ToggleTopmost();
        break;
    case PlayerAction::ToggleAutoShrink:
        ToggleAutoShrink();
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
    ::ClientToScreen(Hwnd(), &screen);
    OnMenuCommand(
        fw::TrackPopupMenuCommand(m_pPopupMenu, TPM_RIGHTBUTTON, screen.x, screen.y, Hwnd()));
}

void CPlayerDlg::ToggleTopmost() {
    ApplyTopmost(Hwnd(), ToggleMenuCheck(ID_TOPMOST));
    SaveWindowSettings();
}

void CPlayerDlg::ToggleAutoShrink() {
    m_bAutoShrink = ToggleMenuCheck(ID_AUTOSHRINK) ? 1 : 0;
    UpdateShrinkTimer();
    SaveWindowSettings();
}

void CPlayerDlg::ToggleTicker() {
    int elapsedSec = 0;
    m_decoder.GetState(&elapsedSec);
    m_ticker.Toggle(Hwnd(), m_pPlaylist ? m_pPlaylist->Current() : CCurrentEntry(), elapsedSec);
}

void CPlayerDlg::OnMiniCommand(UINT id) {
    // The mini window puts "always on top" into effect itself; the automatic shrink switches as
    // it does here (and saves); every other command saves the settings first, then acts.
    if (id != ID_AUTOSHRINK) SaveWindowSettings();
    OnMenuCommand(id);
}

void CPlayerDlg::RegisterMediaKeys() {
    // A key that another program registered first stays that program's: the player goes
    // without it.
    for (const CMediaKey& key : kMediaKeys)
        ::RegisterHotKey(Hwnd(), key.id, 0, key.virtualKey);
}

void CPlayerDlg::UnregisterMediaKeys() {
    for (const CMediaKey& key : kMediaKeys)
        ::UnregisterHotKey(Hwnd(), key.id);
}

void CPlayerDlg::OnHotKey(int id, UINT, UINT) {
    for (const CMediaKey& key : kMediaKeys) {
        if (key.id == id) OnMenuCommand(key.menuId);
    }
}

UINT CPlayerDlg::OnGetDlgCode() {
    // The arrow keys come here instead of moving the focus; Escape still asks to end.
    return DLGC_WANTARROWS;
}

void CPlayerDlg::OnKeyDown(UINT virtualKey) {
    OnArrowKey(virtualKey, ::GetKeyState(VK_SHIFT) < 0);
}

void CPlayerDlg::OnMiniKey(UINT virtualKey, BOOL shift) {
    OnArrowKey(virtualKey, shift != FALSE);
}

void CPlayerDlg::OnArrowKey(UINT virtualKey, bool shift) {
    const CArrowKey* key = ArrowKey(virtualKey);
    if (!key) return;
    m_tLastAction = m_pfnNow();
    if (key->volumeSteps) return ChangeVolume(key->volumeSteps);
    if (m_pController) m_pController->Seek(shift ? key->shiftSeekMs : key->seekMs);
}

void CPlayerDlg::OnMouseWheel(int delta) {
    m_tLastAction = m_pfnNow();
    // A fine-grained wheel sends parts of a notch: they add up to whole steps.
    m_nWheelRest += delta;
    const int steps = m_nWheelRest / WHEEL_DELTA;
    m_nWheelRest -= steps * WHEEL_DELTA;
    if (steps) ChangeVolume(steps);
}

void CPlayerDlg::OnPlaylistClose() {
    m_editor.Close();
}

void CPlayerDlg::OnPlaylistPlay(int index) {
    // An index that names no entry is refused; the current entry then plays.
    if (m_pPlaylist) m_pPlaylist->SetCurrentIndex(index);
    PlayerControl(PC_PLAYCURRENT);
}

void CPlayerDlg::UpdateShrinkTimer() {
    // The one-second timer serves the automatic shrink alone: it runs only while a shrink can
    // come of it, so that a player left alone is not woken every second for nothing.
    const bool wanted = m_bAutoShrink && !m_bShrunk;
    if (wanted && !m_nTimerID) {
        m_nTimerID = ::SetTimer(Hwnd(), kShrinkTimer, 1000, nullptr);
    } else if (!wanted && m_nTimerID) {
        ::KillTimer(Hwnd(), m_nTimerID);
        m_nTimerID = 0;
    }
}

void CPlayerDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kHandOverTimer) return TakeHandedOverFiles();
    if (mainwnd::ShouldShrinkByTimer(m_pfnNow(), m_tLastAction, m_bShrunk, m_bAutoShrink != 0)) {
        Shrink();
    }
    Default();
}

// The mini window is up, and active, before the main window goes, so that the player never
// vanishes from the screen and keeps its place in the window order (hiding the active window
// hands the activation to another program's, which Wine then raises above the newcomer).
void CPlayerDlg::Shrink() {
    // Nothing may hide the player while there is no mini window to bring it back.
    if (!m_mini.StandIn(Hwnd(), IsMenuChecked(ID_TOPMOST) != FALSE)) return;
    m_bShrunk = TRUE;
    UpdateShrinkTimer();
    m_ticker.HideWhileShrunk();
    ::ShowWindow(Hwnd(), SW_HIDE);
}

void CPlayerDlg::OnMiniRestore() {
    m_tLastAction = m_pfnNow();
    // Shows the main window again where it was, whatever the mini window did meanwhile.
    ApplyTopmost(Hwnd(), IsMenuChecked(ID_TOPMOST));
    m_ticker.ShowAgain(Hwnd());
    m_bShrunk = FALSE;
    UpdateShrinkTimer();
}
