// Files dropped from the shell on the main window.
#include "app/PlayerDlg.h"

#include "playback/PlayerController.h"

#include <shellapi.h>

#include <vector>

void CPlayerDlg::OnDropFiles(HDROP hDropInfo) {
    // Paths are read one at a time through a buffer of 4096 bytes.
    std::vector<char> buffer(4096);
    std::vector<std::string> paths;
    const UINT count = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length =
            ::DragQueryFileA(hDropInfo, i, buffer.data(), static_cast<UINT>(buffer.size() - 1));
        paths.emplace_back(buffer.data(), length);
    }
    if (m_pController && !paths.empty()) m_pController->AddDroppedFiles(paths);
    ::DragFinish(hDropInfo);
}
