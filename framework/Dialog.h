// Dialog windows built from resource templates. CDialog is the window machinery; a dialog is
// either a CModalDialog (run by DoModal, ended by EndDialog) or a CModelessDialog (created and
// destroyed), and which one is its type's choice.
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

    // Creates the window owned by `parent` (may be null) and returns; FALSE on failure. For a
    // modal dialog this is the window without its loop (tests drive it so).
    BOOL Create(UINT templateId, CDialog* parent);

    virtual BOOL DestroyWindow();

    // The window, or null before it is created and once it is gone.
    HWND Hwnd() const { return m_hWnd; }

    // Keeps watch over the object across a call that may delete it: a send to another window or
    // a nested message loop, whose handlers may destroy the window and delete its object. The
    // dispatch of every message keeps the same watch, so that nothing touches a deleted object
    // on the way out.
    class CWatch {
    public:
        explicit CWatch(CDialog& dialog);
        ~CWatch();
        CWatch(const CWatch&) = delete;
        CWatch& operator=(const CWatch&) = delete;
        // The object was deleted while the watch was kept.
        bool ObjectGone() const { return m_bGone; }

    private:
        friend class CDialog;
        CWatch(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam);

        CDialog* m_pDialog;
        // The message being dispatched, for Default(): a watch kept inside a handler carries on
        // the handler's message.
        UINT m_message;
        WPARAM m_wParam;
        LPARAM m_lParam;
        CWatch* m_pOuter;
        bool m_bGone = false;
    };

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
    // Enter and Escape (IDOK and IDCANCEL); what they do is the kind of dialog's choice.
    virtual void OnOK() = 0;
    virtual void OnCancel() = 0;
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
    static LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK NullDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

protected:
    HWND CreateFromTemplate(HWND owner);

private:
    void Attach(HWND hwnd);
    void Detach();
    bool RouteCommand(WPARAM wParam);
    bool RouteNotify(LPARAM lParam, LRESULT* result);

    HWND m_hWnd = nullptr;
    WNDPROC m_pfnSuper = nullptr; // the dialog class's procedure we subclassed
    // The watches kept over this object, innermost first (they live on the stack); the
    // destructor marks every one of them.
    CWatch* m_pWatch = nullptr;
};

// A dialog that runs its own message loop while its owner is disabled.
class CModalDialog : public CDialog {
public:
    using CDialog::CDialog;

    // Creates the window, runs a message loop until EndDialog, hides the window and destroys it
    // through the virtual DestroyWindow. Returns the end code, or -1 when the window could not
    // be created.
    INT_PTR DoModal();
    // Ends the run with `result`; the window stays until the loop has returned.
    void EndDialog(INT_PTR result);

protected:
    // Enter and Escape end the run with IDOK and IDCANCEL.
    void OnOK() override { EndDialog(IDOK); }
    void OnCancel() override { EndDialog(IDCANCEL); }

private:
    void RunModalLoop();

    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
};

// A dialog that lives beside the others until it is destroyed.
class CModelessDialog : public CDialog {
public:
    using CDialog::CDialog;

protected:
    // Enter and Escape destroy the window.
    void OnOK() override { DestroyWindow(); }
    void OnCancel() override { DestroyWindow(); }
};

} // namespace fw
