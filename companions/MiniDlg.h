// The mini window: a small figure that stands in for the main window while the player is shrunk.
// The user can drag it anywhere and use the same right-click menu as on the main window; a double
// click brings the main window back.
//
// A modeless dialog from IDD_MINI, made hidden with the main window by its owner
// (companions/Mini.h). It carries no playback of its own: except for the always-on-top switch,
// which it puts into effect on itself, every menu command, the keys and the way back go to the
// main window as WM_MINI_COMMAND, WM_MINI_KEY and WM_MINI_RESTORE. The region belongs to the
// window; the figure's bitmap is taken back from the picture and deleted with the window.
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
    // `mainWnd` receives the mini window's requests; `popupMenu` is the main window's right-click
    // popup, shared with it (one set of check marks; not owned; null: a right click does
    // nothing).
    CMiniDlg(HWND mainWnd, HMENU popupMenu);

protected:
    const fw::MessageTable& GetMessageTable() const override;
    void DoDataExchange() override {}
    BOOL OnInitDialog() override;
    // Enter and Escape never close the mini window.
    void OnOK() override {}
    void OnCancel() override {}

private:
    LRESULT OnCreate(CREATESTRUCTA* create);
    void OnDestroy();
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnMouseMove(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);
    void OnRButtonUp(UINT nFlags, POINT point);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnActivate(UINT state, HWND other, BOOL minimized);
    void OnSetFocus(HWND lost);
    UINT OnGetDlgCode();
    void OnKeyDown(UINT virtualKey);

    // The main window, or null.
    HWND TopLevelParent() const;
    BOOL IsTopmostChecked() const;

    HWND m_hMainWnd;    // the main window, which takes the mini window's requests
    HMENU m_pPopupMenu; // the main window's popup; not owned
    CWindowDrag m_drag; // the whole figure is a handle to move the window by
};
