// The main window's own window procedure: window creation and the private messages of the
// companion windows and the editor, before the framework's routing sees every message.
#include "app/PlayerDlg.h"

#include "playback/DecoderCallback.h"
#include "playback/PlayerController.h"
#include "playlist/Playlist.h"
#include "res/resource.h"

LRESULT CPlayerDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        BuildRegions();
        // Once accepted, the region belongs to the system and goes with the window.
        if (m_hWindowRgn && !::SetWindowRgn(m_hWnd, m_hWindowRgn, TRUE))
            ::DeleteObject(m_hWindowRgn);
        m_hWindowRgn = nullptr;
        break;
    case WM_MINI_RESTORE:
        OnMiniRestore();
        break;
    case WM_MINI_COMMAND:
        // The automatic shrink chosen in the mini window's menu switches as it does here
        // (and saves); every other command saves the settings first, then acts.
        if (wParam == ID_AUTOSHRINK) {
            ToggleAutoShrink();
        } else {
            SaveWindowSettings();
            OnMenuCommand(static_cast<UINT>(wParam));
        }
        break;
    case WM_PLAYLIST_CLOSE:
        ClosePlaylistEditor();
        break;
    case WM_PLAYLIST_PLAY:
        // An index that names no entry is refused; the current entry then plays.
        m_pPlaylist->SetCurrentIndex(static_cast<int>(wParam));
        PlayerControl(PC_PLAYCURRENT);
        break;
    case WM_DECODER_NOTIFY:
        OnDecoderNotifyMessage(wParam, lParam);
        return 0;
    case WM_OPEN_STARTUP_FILES:
        if (m_pController) m_pController->AddDroppedFiles(m_startupFiles);
        m_startupFiles.clear();
        return 0;
    default:
        break;
    }
    return fw::CDialog::WindowProc(message, wParam, lParam);
}
