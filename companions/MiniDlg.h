// The mini window: a small figure that stands in for the main window while the player is shrunk.
// The user can drag it anywhere and use the same right-click menu as on the main window; a double
// click brings the main window back.
//
// A modeless dialog from IDD_MINI, created hidden with the main window. It carries no playback of
// its own: except for the always-on-top switch, which it puts into effect on itself, every menu
// command and the way back go to the main window as WM_MINI_COMMAND and WM_MINI_RESTORE. The
// object deletes itself after its window's last message; the region belongs to the window once
// applied, the figure's bitmap is taken back from the picture and deleted with the window.
//
// The window has no owner, as the ticker has none: Wine does not make a window that owns
// another topmost, which would break the main window's always-on-top switch. It is a tool
// window, so it gets a taskbar button only while "always on top" is off (WS_EX_APPWINDOW).
#pragma once

#include "companions/WindowDrag.h"
#include "framework/Dialog.h"

#include <windows.h>

class CMiniDlg : public fw::CModelessDialog {
public:
    // Creates the hidden window from IDD_MINI for `pParent` (the main window, which receives its
    // messages). When that fails, m_hWnd stays null and the caller still owns the object;
    // otherwise the object deletes itself after its window's last message.
    explicit CMiniDlg(fw::CDialog* pParent);

    // The main window's right-click popup, shared with it (one set of check marks); not owned.
    // Until it is set, a right click does nothing.
    HMENU m_pPopupMenu = nullptr;

protected:
    const fw::MessageTable& GetMessageTable() const override;
    void DoDataExchange() override {}
    BOOL OnInitDialog() override;
    // Enter and Escape never close the mini window.
    void OnOK() override {}
    void OnCancel() override {}
    void PostNcDestroy() override;

private:
    LRESULT OnCreate(CREATESTRUCTA* create);
    void OnDestroy();
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnMouseMove(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);
    void OnRButtonUp(UINT nFlags, POINT point);
    void OnShowWindow(BOOL bShow, UINT nStatus);

    void BuildRegion();
    // The main window, or null.
    HWND TopLevelParent() const;
    BOOL IsTopmostChecked() const;

    HWND m_hMainWnd;             // the main window, which takes the mini window's requests
    HRGN m_hWindowRgn = nullptr; // the outline; the window's once SetWindowRgn took it
    bool m_bDeletesItself = false;
    CWindowDrag m_drag; // the whole figure is a handle to move the window by
};
