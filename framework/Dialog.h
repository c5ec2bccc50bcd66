// Dialog windows built from resource templates, modal or modeless.
//
// The object is attached to its window before the window's first message (WM_NCCREATE), so
// WM_CREATE reaches WindowProc as it would for an ordinary window; the window is subclassed and
// every message goes through the virtual WindowProc, then the class's message table, then the
// system's dialog procedure. The object is detached in WM_NCDESTROY, while the handle is still
// valid; PostNcDestroy runs after that, and is where self-owning windows delete themselves.
#pragma once

#include "framework/MessageTable.h"

#include <windows.h>

namespace fw {

class CDialog {
public:
    CDialog(UINT templateId, CDialog* parent);
    virtual ~CDialog();

    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally: creates the window, runs a message loop until EndDialog, hides
    // the window and destroys it through the virtual DestroyWindow. Returns the end code, or
    // -1 when the window could not be created.
    INT_PTR DoModal();
    // Creates the window as a modeless dialog owned by `parent` (may be null). FALSE on failure.
    BOOL Create(UINT templateId, CDialog* parent);
    // Ends a modal run with `result`; the window stays until the loop has returned.
    void EndDialog(INT_PTR result);

    virtual BOOL DestroyWindow();

    HWND m_hWnd = nullptr;

    // Finds the object attached to a window of this framework, or null.
    static CDialog* FromHandle(HWND hwnd);
    // Keyboard navigation (Tab, Enter, Escape) for whichever of our dialogs the message is for;
    // true when the message was used up and must not be dispatched.
    static bool RouteDialogMessage(MSG* msg);

protected:
    virtual const MessageTable& GetMessageTable() const;
    virtual void DoDataExchange() {}
    // Every message of the window. Overrides handle what they need and hand the rest (or all)
    // to this base implementation, which routes through the message table.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnInitDialog();
    // Enter and Escape (IDOK and IDCANCEL): a modal dialog ends with that code, a modeless one
    // is destroyed.
    virtual void OnOK();
    virtual void OnCancel();
    // Called after the window's last message; the handle is already detached.
    virtual void PostNcDestroy() {}

    // The system's own handling of the message being dispatched (for handlers that add to it).
    LRESULT Default();
    // The system's own handling of any message.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    CDialog* m_pParent;
    UINT m_nTemplateId;

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK NullDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    HWND CreateFromTemplate(HWND owner);
    void Attach(HWND hwnd);
    void Detach();
    bool RouteCommand(WPARAM wParam);
    bool RouteNotify(LPARAM lParam, LRESULT* result);
    void RunModalLoop();

    // One message being dispatched to this object. Frames live on the stack of the window
    // procedure, innermost first; the object may be deleted by one of its own handlers, and its
    // destructor then marks every frame so that nothing touches the object on the way out.
    struct DispatchFrame {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        DispatchFrame* outer;
        bool objectGone;
    };

    WNDPROC m_pfnSuper = nullptr; // the dialog class's procedure we subclassed
    bool m_bModal = false;
    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
    DispatchFrame* m_pFrame = nullptr; // the message being dispatched, for Default()
};

} // namespace fw
