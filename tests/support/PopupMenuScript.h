// Chooses from the program's popup menus in a test and keeps where they were shown.
// While an object lives every popup goes to it; a popup with no choice left fails the test and
// is dismissed (0).
#pragma once

#include <windows.h>

#include <deque>
#include <vector>

struct CShownPopup {
    HMENU menu;
    UINT flags;
    POINT screen;
    HWND owner;
};

class CPopupMenuScript {
public:
    CPopupMenuScript();
    ~CPopupMenuScript();
    CPopupMenuScript(const CPopupMenuScript&) = delete;
    CPopupMenuScript& operator=(const CPopupMenuScript&) = delete;

    // Queues the command id chosen from the next popup (0: dismissed).
    CPopupMenuScript& Then(UINT id);
    const std::vector<CShownPopup>& Shown() const { return m_shown; }

private:
    std::deque<UINT> m_choices;
    std::vector<CShownPopup> m_shown;
};
