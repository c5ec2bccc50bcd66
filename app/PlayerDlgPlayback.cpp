// The main window's side of the player: its commands, the decoder's notifications arriving on
// the window thread, the windows the controller informs, and files dropped on the window or
// given on the command line.
#include "app/PlayerDlg.h"

#include "framework/AnsiText.h"
#include "framework/MessageBox.h"
#include "playback/DecoderNotifier.h"
#include "playback/PlayerController.h"
#include "playlist/Playlist.h"
#include "res/UiText.h"

#include <shellapi.h>

#include <cstdio>
#include <vector>

BOOL CPlayerDlg::PlayerControl(int nCode) {
    return m_pController && m_pController->PlayerControl(nCode);
}

void CPlayerDlg::OnDecoderNotify(int code, int value) {
    if (m_pController) m_pController->OnDecoderNotify(code, value);
}

LRESULT CPlayerDlg::OnDecoderNotifyMessage(WPARAM packed, LPARAM value) {
    int code = 0, seconds = 0;
    if (m_pNotifier->Unpack(packed, value, &code, &seconds)) OnDecoderNotify(code, seconds);
    return 0;
}

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
        std::string path;
        paths.push_back(fw::ToAnsiPath(std::wstring(buffer.data(), length), &path) ? path
                                                                                   : std::string());
    }
    if (m_pController && !paths.empty()) m_pController->AddDroppedFiles(paths);
    ::DragFinish(hDropInfo);
}

LRESULT CPlayerDlg::OnOpenStartupFiles(WPARAM, LPARAM) {
    // Taken once: the list is emptied before the drop, which may run message boxes.
    const std::vector<std::string> files = std::move(m_startupFiles);
    m_startupFiles.clear();
    if (m_pController && !files.empty()) m_pController->AddDroppedFiles(files);
    return 0;
}

bool CPlayerDlg::AskRemoveMissingFile(const std::string& path) {
    const int size = std::snprintf(nullptr, 0, ui::kMissingFileFormat, path.c_str());
    std::vector<char> text(static_cast<size_t>(size) + 1);
    std::snprintf(text.data(), text.size(), ui::kMissingFileFormat, path.c_str());
    return fw::ShowMessageBox(m_hWnd, text.data(), ui::kMissingFileCaption, MB_YESNO) == IDYES;
}

void CPlayerDlg::ShowUnusableName() {
    fw::ShowMessageBox(m_hWnd, ui::kUnusableNameText, ui::kUnusableNameCaption, MB_OK);
}

void CPlayerDlg::ShowNoSoundDevice() {
    fw::ShowMessageBox(m_hWnd, ui::kNoSoundText, ui::kNoSoundCaption, MB_OK);
}

void CPlayerDlg::ShowOpenError() {
    fw::ShowMessageBox(m_hWnd, ui::kOpenErrorText, ui::kOpenErrorCaption, MB_OK);
}

void CPlayerDlg::RedrawSkin() {
    DrawSkin(m_nPressed, 1);
}

void CPlayerDlg::TrackChanging() {
    m_pNotifier->TrackChanging();
}
