// Files that reach the player: dropped on the main window, given on the command line, or handed
// over by later starts of the player (one player per INI file). Each batch is one drop.
#include "app/PlayerDlg.h"

#include "app/HandOverMessage.h"
#include "framework/AnsiText.h"
#include "framework/ModalLoop.h"
#include "playback/PlayerController.h"

#include <shellapi.h>

#include <vector>

namespace {

// Hand-offs this close together are one drop: "Open with" on several files starts one process
// per file, all at once.
constexpr UINT kHandOverQuietMs = 300;
// Files wait no longer than this for the hand-offs to fall quiet.
constexpr DWORD kHandOverLongestWaitMs = 2000;

} // namespace

void CPlayerDlg::OnDropFiles(HDROP hDropInfo) {
    // Paths are read one at a time through a buffer of 4096 characters, as UTF-16: the ANSI
    // form would bring a name over by best fit. One that has no code page 932 form, exact or
    // short, is passed on empty: the player cannot name that file.
    std::vector<wchar_t> buffer(4096);
    std::vector<std::string> paths;
    const UINT count = ::DragQueryFileW(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length =
            ::DragQueryFileW(hDropInfo, i, buffer.data(), static_cast<UINT>(buffer.size() - 1));
        std::string& path = paths.emplace_back();
        if (!fw::ToAnsiPath(std::wstring(buffer.data(), length), &path)) path.clear();
    }
    ::DragFinish(hDropInfo);
    if (m_pController && !paths.empty()) m_pController->AddDroppedFiles(paths);
}

void CPlayerDlg::OnOpenStartupFiles() {
    // Taken once: the list is emptied before the drop, which may run message boxes.
    const std::vector<std::string> files = std::move(m_startupFiles);
    m_startupFiles.clear();
    if (m_pController && !files.empty()) m_pController->AddDroppedFiles(files);
}

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
        ::SetTimer(Hwnd(), kHandOverTimer, kHandOverQuietMs, nullptr);
    return TRUE;
}

void CPlayerDlg::TakeHandedOverFiles() {
    // Never inside a message box or a menu: the drop would run in the middle of what opened it.
    if (fw::IsInModalLoop() || m_bEnding) return; // the timer fires again
    ::KillTimer(Hwnd(), kHandOverTimer);
    const std::vector<std::string> files = std::move(m_handedOver);
    m_handedOver.clear();
    BringToFront();
    if (m_pController && !files.empty()) m_pController->AddDroppedFiles(files);
}

void CPlayerDlg::BringToFront() {
    HWND visible = m_bShrunk && m_mini.Window() ? m_mini.Window() : Hwnd();
    ::SetForegroundWindow(visible);
}
