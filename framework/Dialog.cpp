#include "framework/Dialog.h"

#include "framework/FatalError.h"

namespace fw {

namespace {

const char kObjectProp[] = "fw.CDialog";

// The dialog being created on this thread, handed from CreateFromTemplate to the hook.
thread_local CDialog* t_pCreating = nullptr;
thread_local HHOOK t_hCreationHook = nullptr;

const MessageTable kEmptyTable = {nullptr, 0, nullptr, 0, nullptr, 0};

} // namespace

CDialog::CDialog(UINT templateId, CDialog* parent) : m_pParent(parent), m_nTemplateId(templateId) {}

CDialog::~CDialog() {
    // Deleted by a handler of its own: the dispatch under way must not touch the object again.
    for (CWatch* watch = m_pWatch; watch; watch = watch->m_pOuter)
        watch->m_bGone = true;
    // A window that outlives its object would dispatch into freed memory: take it down first.
    if (m_hWnd) {
        HWND hwnd = m_hWnd;
        Detach();
        ::DestroyWindow(hwnd);
    }
}

CDialog::CWatch::CWatch(CDialog& dialog)
    : CWatch(dialog, dialog.m_pWatch ? dialog.m_pWatch->m_message : WM_NULL,
             dialog.m_pWatch ? dialog.m_pWatch->m_wParam : 0,
             dialog.m_pWatch ? dialog.m_pWatch->m_lParam : 0) {}

CDialog::CWatch::CWatch(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam)
    : m_pDialog(&dialog), m_message(message), m_wParam(wParam), m_lParam(lParam),
      m_pOuter(dialog.m_pWatch) {
    dialog.m_pWatch = this;
}

CDialog::CWatch::~CWatch() {
    if (!m_bGone) m_pDialog->m_pWatch = m_pOuter;
}

CDialog* CDialog::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<CDialog*>(::GetPropA(hwnd, kObjectProp)) : nullptr;
}

bool CDialog::RouteDialogMessage(MSG* msg) {
    HWND root = msg->hwnd ? ::GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
    return root && FromHandle(root) && ::IsDialogMessageA(root, msg);
}

const MessageTable& CDialog::GetMessageTable() const {
    return kEmptyTable;
}

HWND CDialog::CreateFromTemplate(HWND owner) {
    t_pCreating = this;
    t_hCreationHook = ::SetWindowsHookExA(WH_CBT, CreationHook, nullptr, ::GetCurrentThreadId());
    HWND hwnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId),
                                     owner, NullDialogProc, 0);
    // The hook removes itself on the first window; this covers a creation that failed early.
    if (t_hCreationHook) {
        ::UnhookWindowsHookEx(t_hCreationHook);
        t_hCreationHook = nullptr;
    }
    t_pCreating = nullptr;
    return hwnd;
}

LRESULT CALLBACK CDialog::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_pCreating) {
        CDialog* self = t_pCreating;
        t_pCreating = nullptr;
        ::UnhookWindowsHookEx(t_hCreationHook);
        t_hCreationHook = nullptr;
        self->Attach(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CDialog::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    ::SetPropA(hwnd, kObjectProp, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CDialog::StaticWindowProc)));
}

void CDialog::Detach() {
    if (!m_hWnd) return;
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropA(m_hWnd, kObjectProp);
    m_hWnd = nullptr;
}

LRESULT CALLBACK CDialog::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing unwinds into the system's frames: a handler that threw left its window half
    // changed, and the program ends rather than go on with it.
    try {
        return Dispatch(hwnd, message, wParam, lParam);
    } catch (...) {
        EndAfterFatalError();
    }
}

LRESULT CDialog::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = FromHandle(hwnd);
    if (!self) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        WNDPROC super = self->m_pfnSuper;
        self->Detach();
        LRESULT result = ::CallWindowProcA(super, hwnd, message, wParam, lParam);
        self->PostNcDestroy();
        return result;
    }
    const CWatch watch(*self, message, wParam, lParam);
    return self->WindowProc(message, wParam, lParam);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (RouteCommand(wParam)) return 0;
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (RouteNotify(lParam, &result)) return result;
        break;
    }
    default:
        break;
    }
    const MessageTable& table = GetMessageTable();
    for (size_t i = 0; i < table.messageCount; ++i) {
        if (table.messages[i].message == message)
            return table.messages[i].thunk(*this, wParam, lParam);
    }
    return DefWindowProc(message, wParam, lParam);
}

bool CDialog::RouteCommand(WPARAM wParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    const MessageTable& table = GetMessageTable();
    for (size_t i = 0; i < table.commandCount; ++i) {
        if (table.commands[i].id == id && table.commands[i].code == code) {
            table.commands[i].thunk(*this);
            return true;
        }
    }
    // Enter and Escape arrive as IDOK and IDCANCEL (from a button click or the dialog manager).
    if (code == BN_CLICKED || code == 0) {
        if (id == IDOK) {
            OnOK();
            return true;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return true;
        }
    }
    return false;
}

bool CDialog::RouteNotify(LPARAM lParam, LRESULT* result) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header) return false;
    const MessageTable& table = GetMessageTable();
    for (size_t i = 0; i < table.notifyCount; ++i) {
        const NotifyEntry& e = table.notifies[i];
        if (e.id == header->idFrom && e.code == header->code) {
            e.thunk(*this, header, result);
            return true;
        }
    }
    return false;
}

LRESULT CDialog::Default() {
    return m_pWatch ? DefWindowProc(m_pWatch->m_message, m_pWatch->m_wParam, m_pWatch->m_lParam)
                    : 0;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_pfnSuper) return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
}

BOOL CDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

BOOL CDialog::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CDialog::Create(UINT templateId, CDialog* parent) {
    m_nTemplateId = templateId;
    m_pParent = parent;
    return CreateFromTemplate(parent ? parent->Hwnd() : nullptr) != nullptr;
}

void CModalDialog::EndDialog(INT_PTR result) {
    m_nModalResult = result;
    m_bEndModal = true;
    // Wake the loop in case the request came from outside a message of this thread.
    if (Hwnd()) ::PostMessageA(Hwnd(), WM_NULL, 0, 0);
}

INT_PTR CModalDialog::DoModal() {
    HWND owner = m_pParent ? m_pParent->Hwnd() : nullptr;
    m_bEndModal = false;
    m_nModalResult = -1;
    if (!CreateFromTemplate(owner)) return -1;
    if (owner) ::EnableWindow(owner, FALSE);
    RunModalLoop();
    if (owner) ::EnableWindow(owner, TRUE);
    if (Hwnd()) {
        ::SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    DestroyWindow();
    return m_nModalResult;
}

void CModalDialog::RunModalLoop() {
    MSG msg;
    while (!m_bEndModal && Hwnd()) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // WM_QUIT ends the run; leave it for whoever runs the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (RouteDialogMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

} // namespace fw
