#include "tests/support/ModalRun.h"

#include <utility>

namespace {

struct PendingScript {
    fw::CDialog* dlg = nullptr;
    std::function<void(HWND)> script;
    UINT_PTR timer = 0;
};
thread_local PendingScript t_pending;

void CALLBACK RunPendingScript(HWND, UINT, UINT_PTR, DWORD) {
    ::KillTimer(nullptr, t_pending.timer);
    auto script = std::move(t_pending.script);
    t_pending.script = nullptr;
    if (script && t_pending.dlg->Hwnd()) script(t_pending.dlg->Hwnd());
}

} // namespace

INT_PTR RunModal(fw::CModalDialog& dlg, std::function<void(HWND)> script) {
    t_pending.dlg = &dlg;
    t_pending.script = std::move(script);
    // A thread timer fires from inside the dialog's own loop.
    t_pending.timer = ::SetTimer(nullptr, 0, 1, &RunPendingScript);
    return dlg.DoModal();
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (fw::CDialog::RouteDialogMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
