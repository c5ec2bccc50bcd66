#include "framework/PopupMenu.h"

#include "framework/ModalLoop.h"

#include <utility>

namespace fw {

namespace {
PopupMenuHandler& Handler() {
    static PopupMenuHandler handler;
    return handler;
}
} // namespace

UINT TrackPopupMenuCommand(HMENU menu, UINT flags, int x, int y, HWND owner) {
    flags |= TPM_RETURNCMD;
    const CModalLoopScope loop;
    if (Handler()) return Handler()(menu, flags, x, y, owner);
    return static_cast<UINT>(::TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr));
}

PopupMenuHandler SetPopupMenuHandler(PopupMenuHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

} // namespace fw
