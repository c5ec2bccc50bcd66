// The main window's side of the player controller: the commands, the decoder's notifications
// arriving on the window thread, and the windows the controller informs.
#include "app/PlayerDlg.h"

#include "app/UiText.h"
#include "framework/MessageBox.h"
#include "playback/DecoderCallback.h"
#include "playback/PlayerController.h"

#include <cstdint>
#include <cstdio>
#include <vector>

BOOL CPlayerDlg::PlayerControl(int nCode) {
    return m_pController && m_pController->PlayerControl(nCode);
}

void CPlayerDlg::OnDecoderNotify(int code, int value) {
    if (m_pController) m_pController->OnDecoderNotify(code, value);
}

void CPlayerDlg::OnDecoderNotifyMessage(WPARAM wParam, LPARAM lParam) {
    int code = 0, value = 0;
    if (UnpackDecoderNotify(wParam, lParam, &code, &value)) OnDecoderNotify(code, value);
}

bool CPlayerDlg::AskRemoveMissingFile(const std::string& path) {
    const int size = std::snprintf(nullptr, 0, ui::kMissingFileFormat, path.c_str());
    std::vector<char> text(static_cast<size_t>(size) + 1);
    std::snprintf(text.data(), text.size(), ui::kMissingFileFormat, path.c_str());
    return fw::ShowMessageBox(m_hWnd, text.data(), ui::kMissingFileCaption, MB_YESNO) == IDYES;
}

void CPlayerDlg::ShowOpenError() {
    fw::ShowMessageBox(m_hWnd, ui::kOpenErrorText, ui::kOpenErrorCaption, MB_OK);
}

void CPlayerDlg::TellTicker(int index, int code, int elapsedSec, bool forceRefresh) {
    if (!IsTickerShown()) return;
    // The index goes in the upper bits as an unsigned number: -1 (no entry) too.
    const WPARAM wParam = (static_cast<WPARAM>(static_cast<uint32_t>(index)) << 8) |
                          (static_cast<uint32_t>(code) & 0xFF);
    SendTickerCurrent(wParam, elapsedSec, forceRefresh);
}

void CPlayerDlg::RedrawSkin() {
    DrawSkin(m_nPressed, 1);
}

void CPlayerDlg::TrackChanging() {
    AdvanceDecoderGeneration();
}
