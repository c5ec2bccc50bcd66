#include "companions/Ticker.h"

#include "companions/TickerText.h"
#include "companions/WindowOrder.h"
#include "res/Messages.h"
#include "res/resource.h"

#include <memory>

namespace {
// The ticker stands this far above the main window's top edge, at its left edge.
constexpr int kTickerOffsetY = 50;
} // namespace

bool CTicker::Create() {
    return m_dlg.Create(std::make_unique<CTickerDlg>(m_pfnNow), IDD_TICKER, nullptr);
}

void CTicker::Destroy() {
    m_dlg.Destroy();
    m_bShown = FALSE;
}

void CTicker::Toggle(HWND player, const CCurrentEntry& current, int elapsedSec) {
    if (!m_dlg) return;
    if (m_bShown) {
        ::ShowWindow(Window(), SW_HIDE);
        m_bShown = FALSE;
        return;
    }
    Place(player);
    // Shown without taking the keyboard from the main window; showing brings a window to the
    // front, so it goes back behind the main window.
    ::ShowWindow(Window(), SW_SHOWNA);
    m_bShown = TRUE;
    StandBehindPlayer(player);
    TellCurrent(current, elapsedSec, true);
}

void CTicker::TellCurrent(const CCurrentEntry& current, int elapsedSec, bool forceRefresh) {
    if (m_bShown && m_dlg) m_dlg->ShowCurrent(current, elapsedSec, forceRefresh);
}

void CTicker::ShowVolume(int percent) {
    if (m_bShown && m_dlg) m_dlg->ShowNotice(ticker::VolumeText(percent));
}

void CTicker::Follow(HWND player) {
    if (m_bShown) Place(player);
}

void CTicker::Place(HWND player) {
    RECT main{};
    ::GetWindowRect(player, &main);
    ::SetWindowPos(Window(), nullptr, main.left, main.top - kTickerOffsetY, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTicker::RequestStack(HWND player) {
    if (m_bStacking || m_bStackPosted || !m_bShown) return;
    m_bStackPosted = ::PostMessageA(player, WM_STACK_TICKER, 0, 0) != FALSE;
}

void CTicker::Stack(HWND player) {
    m_bStackPosted = false;
    StandBehindPlayer(player);
}

void CTicker::StandBehindPlayer(HWND player) {
    if (!::IsWindowVisible(Window()) || !::IsWindowVisible(player)) return;
    m_bStacking = true;
    StandBehind(Window(), player);
    m_bStacking = false;
}

void CTicker::HideWhileShrunk() {
    if (m_bShown) ::ShowWindow(Window(), SW_HIDE);
}

void CTicker::ShowAgain(HWND player) {
    if (!m_bShown) return;
    // Shown without taking the keyboard, and put back behind the main window.
    ::ShowWindow(Window(), SW_SHOWNA);
    StandBehindPlayer(player);
}
