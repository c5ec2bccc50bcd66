#include "tests/support/PopupMenuScript.h"

#include "framework/PopupMenu.h"

#include <gtest/gtest.h>

CPopupMenuScript::CPopupMenuScript() {
    fw::SetPopupMenuHandler([this](HMENU menu, UINT flags, int x, int y, HWND owner) -> UINT {
        m_shown.push_back({menu, flags, {x, y}, owner});
        if (m_choices.empty()) {
            ADD_FAILURE() << "unexpected popup menu";
            return 0;
        }
        const UINT id = m_choices.front();
        m_choices.pop_front();
        return id;
    });
}

CPopupMenuScript::~CPopupMenuScript() {
    fw::SetPopupMenuHandler(nullptr);
}

CPopupMenuScript& CPopupMenuScript::Then(UINT id) {
    m_choices.push_back(id);
    return *this;
}
