#include "companions/Mini.h"

#include "res/resource.h"

#include <memory>

bool CMini::Create(HWND player, HMENU popupMenu) {
    return m_dlg.Create(std::make_unique<CMiniDlg>(player, popupMenu), IDD_MINI, nullptr);
}

bool CMini::StandIn(HWND player, bool topmost) {
    if (!m_dlg) return false;
    // The mini window keeps its size.
    RECT main{}, mini{};
    ::GetWindowRect(player, &main);
    ::GetWindowRect(Window(), &mini);
    ::SetWindowPos(Window(), topmost ? HWND_TOPMOST : HWND_TOP,
                   main.right - (mini.right - mini.left), main.bottom - (mini.bottom - mini.top), 0,
                   0, SWP_NOSIZE);
    ::ShowWindow(Window(), SW_SHOW);
    return true;
}
