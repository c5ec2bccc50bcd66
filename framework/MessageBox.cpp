#include "framework/MessageBox.h"

#include "framework/ModalLoop.h"

#include <utility>

namespace fw {

namespace {
MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}
} // namespace

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT flags) {
    const CModalLoopScope loop;
    if (Handler()) return Handler()(owner, text, caption, flags);
    return ::MessageBoxA(owner, text, caption, flags);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

} // namespace fw
