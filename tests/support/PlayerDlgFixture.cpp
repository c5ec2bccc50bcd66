#include "tests/support/PlayerDlgFixture.h"

#include "framework/IniFileWin32.h"
#include "framework/PopupMenu.h"
#include "res/resource.h"

time_t PlayerDlgTest::s_now = 1000000;

PlayerDlgTest::PlayerDlgTest() : iniPath(folder / "VizuRE3.INI") {}

PlayerDlgTest::~PlayerDlgTest() = default;

CPlayerEnvironment PlayerDlgTest::Environment() {
    CPlayerEnvironment env;
    env.pDecoder = &decoder;
    env.openIniFile = [](const std::string& path) {
        return std::make_unique<fw::CIniFileWin32>(path);
    };
    env.pfnNow = [] { return s_now; };
    return env;
}

std::unique_ptr<CPlayerDlg> PlayerDlgTest::MakeDlg() {
    auto dlg = std::make_unique<CPlayerDlg>(nullptr, Environment());
    dlg->SetIniPath(iniPath);
    return dlg;
}

std::unique_ptr<CPlayerDlg> PlayerDlgTest::OpenDlg() {
    auto dlg = MakeDlg();
    EXPECT_TRUE(dlg->Create(IDD_PLAYER, nullptr));
    return dlg;
}

void PlayerDlgTest::WriteIni(const std::string& text) {
    ASSERT_TRUE(WriteFileBytes(iniPath, text));
}

std::string PlayerDlgTest::IniValue(const char* key) const {
    char buffer[256];
    ::GetPrivateProfileStringA("VIZURE3", key, "<missing>", buffer, sizeof buffer, iniPath.c_str());
    return buffer;
}

bool PlayerDlgTest::IniExists() const {
    return FileExists(iniPath);
}

HMENU PlayerDlgTest::PopupMenuOf(const CPlayerDlg& dlg) {
    HMENU shown = nullptr;
    fw::PopupMenuHandler previous =
        fw::SetPopupMenuHandler([&shown](HMENU menu, UINT, int, int, HWND) -> UINT {
            shown = menu;
            return 0;
        });
    ::SendMessageA(dlg.Hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(200, 100));
    fw::SetPopupMenuHandler(std::move(previous));
    return shown;
}

namespace {
// The mini window is the popup that holds a picture.
BOOL CALLBACK FindMini(HWND hwnd, LPARAM found) {
    HWND child = ::GetWindow(hwnd, GW_CHILD);
    char className[16] = {};
    if (child && ::GetClassNameA(child, className, sizeof className) &&
        ::lstrcmpiA(className, "Static") == 0 &&
        (::GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND PlayerDlgTest::MiniWindow() {
    HWND mini = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindMini, reinterpret_cast<LPARAM>(&mini));
    return mini;
}

bool PlayerDlgTest::IsShrunk(const CPlayerDlg& dlg) {
    return !::IsWindowVisible(dlg.Hwnd()) && ::IsWindowVisible(MiniWindow());
}

void PlayerDlgTest::TickAt(const CPlayerDlg& dlg, time_t t) {
    s_now = t;
    ::SendMessageA(dlg.Hwnd(), WM_TIMER, 1, 0);
}

void PlayerDlgTest::RestoreFromMini() {
    ::SendMessageA(MiniWindow(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(35, 50));
}

bool PlayerDlgTest::LastActionWas(const CPlayerDlg& dlg, time_t t) {
    TickAt(dlg, t + 180);
    const bool stillUp = ::IsWindowVisible(dlg.Hwnd()) != FALSE;
    TickAt(dlg, t + 181);
    const bool shrunk = IsShrunk(dlg);
    if (shrunk) RestoreFromMini();
    return stillUp && shrunk;
}

bool PlayerDlgTest::IsChecked(const CPlayerDlg& dlg, UINT id) {
    HMENU menu = PopupMenuOf(dlg);
    return menu && (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}
