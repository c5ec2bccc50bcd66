// What reaches the player from outside its own windows: files handed over by later starts of the
// player (one player per INI file), and the keyboard's media keys.
#include "app/PlayerDlg.h"

#include "app/HandOverMessage.h"
#include "framework/ModalLoop.h"
#include "playback/PlayerController.h"
#include "res/resource.h"

namespace {

// Hand-offs this close together are one drop: "Open with" on several files starts one process
// per file, all at once.
constexpr UINT kHandOverQuietMs = 300;
// Files wait no longer than this for the hand-offs to fall quiet.
constexpr DWORD kHandOverLongestWaitMs = 2000;

struct MediaKey {
    int id;
    UINT virtualKey;
    UINT command; // the popup menu's command that the key stands for
};
const MediaKey kMediaKeys[] = {
    {1, VK_MEDIA_PLAY_PAUSE, ID_PLAYPAUSE},
    {2, VK_MEDIA_STOP, ID_STOP},
    {3, VK_MEDIA_NEXT_TRACK, ID_NEXTTRACK},
    {4, VK_MEDIA_PREV_TRACK, ID_PREVTRACK},
};

} // namespace

BOOL CPlayerDlg::OnCopyData(HWND, COPYDATASTRUCT* data) {
    std::vector<std::string> files;
    if (!data || data->dwData != handover::kTag ||
        !handover::DecodeFileList(data->lpData, data->cbData, &files))
        return FALSE;
    // Not while the user is asked whether to end, nor once the player ends: the later start
    // keeps its files and becomes the player if this one goes.
    if (m_bAskingToEnd || m_bEnding) return FALSE;
    if (files.empty()) {
        BringToFront();
        return TRUE;
    }
    if (m_handedOver.empty()) m_nHandOverSince = ::GetTickCount();
    m_handedOver.insert(m_handedOver.end(), files.begin(), files.end());
    // Restarted by every hand-off, unless the first has waited long enough.
    if (::GetTickCount() - m_nHandOverSince < kHandOverLongestWaitMs)
        ::SetTimer(m_hWnd, kHandOverTimer, kHandOverQuietMs, nullptr);
    return TRUE;
}

void CPlayerDlg::TakeHandedOverFiles() {
    // Never inside a message box or a menu: the drop would run in the middle of what opened it.
    if (fw::IsInModalLoop() || m_bEnding) return; // the timer fires again
    ::KillTimer(m_hWnd, kHandOverTimer);
    const std::vector<std::string> files = std::move(m_handedOver);
    m_handedOver.clear();
    BringToFront();
    if (m_pController && !files.empty()) m_pController->AddDroppedFiles(files);
}

void CPlayerDlg::BringToFront() {
    HWND visible = m_bShrunk && MiniWindow() ? MiniWindow() : m_hWnd;
    ::SetForegroundWindow(visible);
}

void CPlayerDlg::RegisterMediaKeys() {
    // A key that another program registered first stays that program's: the player goes
    // without it.
    for (const MediaKey& key : kMediaKeys)
        ::RegisterHotKey(m_hWnd, key.id, 0, key.virtualKey);
}

void CPlayerDlg::UnregisterMediaKeys() {
    for (const MediaKey& key : kMediaKeys)
        ::UnregisterHotKey(m_hWnd, key.id);
}

void CPlayerDlg::OnHotKey(int id, UINT, UINT) {
    for (const MediaKey& key : kMediaKeys) {
        if (key.id == id) OnMenuCommand(key.command);
    }
}
