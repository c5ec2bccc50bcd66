// The main window's life cycle: construction, creation, initialisation, painting, the exit and
// the ordered teardown; what the player controller tells the windows, and the ticker following
// the main window.
#include "app/PlayerDlg.h"

#include "app/PlayerInstance.h"
#include "app/WindowPlacement.h"
#include "companions/Topmost.h"
#include "decoder/Vbmp3Decoder.h"
#include "framework/IniFileWin32.h"
#include "framework/MessageBox.h"
#include "playback/PlayerController.h"
#include "playlist/Playlist.h"
#include "res/Messages.h"
#include "res/UiText.h"
#include "res/resource.h"

#include <cstdio>

// The parameters of the messages this window receives (res/Messages.h), unpacked for the
// handlers as framework/MessageTable.h unpacks the system's.
namespace fw {
template <> struct Crack<WM_MINI_RESTORE> : CrackNothing {}; // void OnMiniRestore()
template <> struct Crack<WM_MINI_COMMAND> {                  // void OnMiniCommand(UINT id)
    template <class T> static LRESULT Call(T& self, void (T::*h)(UINT), WPARAM w, LPARAM) {
        (self.*h)(static_cast<UINT>(w));
        return 0;
    }
};
template <> struct Crack<WM_MINI_KEY> { // void OnMiniKey(UINT virtualKey, BOOL shift)
    template <class T> static LRESULT Call(T& self, void (T::*h)(UINT, BOOL), WPARAM w, LPARAM l) {
        (self.*h)(static_cast<UINT>(w), l != 0);
        return 0;
    }
};
template <> struct Crack<WM_PLAYLIST_CLOSE> : CrackNothing {}; // void OnPlaylistClose()
template <> struct Crack<WM_PLAYLIST_PLAY> {                   // void OnPlaylistPlay(int index)
    template <class T> static LRESULT Call(T& self, void (T::*h)(int), WPARAM w, LPARAM) {
        (self.*h)(static_cast<int>(w));
        return 0;
    }
};
template <> struct Crack<WM_OPEN_STARTUP_FILES> : CrackNothing {}; // void OnOpenStartupFiles()
template <> struct Crack<WM_STACK_TICKER> : CrackNothing {};       // void OnStackTicker()
} // namespace fw

namespace {

time_t CurrentTime() {
    return std::time(nullptr);
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info)) {
        const RECT& r = info.rcWork;
        reinterpret_cast<std::vector<CScreenRect>*>(areas)->push_back(
            {r.left, r.top, r.right, r.bottom});
    }
    return TRUE;
}

// The work area (the screen without the taskbar) of every monitor.
std::vector<CScreenRect> ScreenWorkAreas() {
    std::vector<CScreenRect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

} // namespace

CPlayerEnvironment DefaultPlayerEnvironment() {
    static CVbmp3Decoder decoder;
    CPlayerEnvironment env;
    env.pDecoder = &decoder;
    env.openIniFile = [](const std::string& path) -> std::unique_ptr<fw::IIniFile> {
        return std::make_unique<fw::CIniFileWin32>(path);
    };
    env.pfnNow = &CurrentTime;
    return env;
}

CPlayerDlg::CPlayerDlg(fw::CDialog* pParent, const CPlayerEnvironment& env)
    : fw::CModalDialog(IDD_PLAYER, pParent), m_ticker(env.pfnNow), m_pfnNow(env.pfnNow),
      m_decoder(*env.pDecoder), m_openIniFile(env.openIniFile) {
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_decoder.Init();
    // Registered now; the notifications go nowhere until the controller exists.
    m_pNotifier = std::make_unique<CDecoderNotifier>(m_decoder);
}

CPlayerDlg::~CPlayerDlg() {
    // DestroyWindow released everything in order; what is left (after a failed creation) goes
    // the same way.
    m_skin.Release();
    m_editor.Close();
    m_pNotifier->DeliverTo(nullptr);
    m_pController.reset();
    m_pPlaylist.reset();
    m_pNotifier.reset(); // unregisters: the library was released (or never had a window)
}

const fw::MessageTable& CPlayerDlg::GetMessageTable() const {
    using D = CPlayerDlg;
    static const fw::MessageEntry messages[] = {
        {WM_CREATE, &fw::Route<WM_CREATE, &D::OnCreate>},
        {WM_PAINT, &fw::Route<WM_PAINT, &D::OnPaint>},
        {WM_QUERYDRAGICON, &fw::Route<WM_QUERYDRAGICON, &D::OnQueryDragIcon>},
        {WM_LBUTTONDOWN, &fw::Route<WM_LBUTTONDOWN, &D::OnLButtonDown>},
        {WM_LBUTTONUP, &fw::Route<WM_LBUTTONUP, &D::OnLButtonUp>},
        {WM_MOUSEMOVE, &fw::Route<WM_MOUSEMOVE, &D::OnMouseMove>},
        {WM_LBUTTONDBLCLK, &fw::Route<WM_LBUTTONDBLCLK, &D::OnLButtonDblClk>},
        {WM_RBUTTONUP, &fw::Route<WM_RBUTTONUP, &D::OnRButtonUp>},
        {WM_MOVE, &fw::Route<WM_MOVE, &D::OnMove>},
        {WM_WINDOWPOSCHANGED, &fw::Route<WM_WINDOWPOSCHANGED, &D::OnWindowPosChanged>},
        {WM_TIMER, &fw::Route<WM_TIMER, &D::OnTimer>},
        {WM_DROPFILES, &fw::Route<WM_DROPFILES, &D::OnDropFiles>},
        {WM_MINI_RESTORE, &fw::Route<WM_MINI_RESTORE, &D::OnMiniRestore>},
        {WM_MINI_COMMAND, &fw::Route<WM_MINI_COMMAND, &D::OnMiniCommand>},
        {WM_PLAYLIST_CLOSE, &fw::Route<WM_PLAYLIST_CLOSE, &D::OnPlaylistClose>},
        {WM_PLAYLIST_PLAY, &fw::Route<WM_PLAYLIST_PLAY, &D::OnPlaylistPlay>},
        {WM_OPEN_STARTUP_FILES, &fw::Route<WM_OPEN_STARTUP_FILES, &D::OnOpenStartupFiles>},
        {WM_STACK_TICKER, &fw::Route<WM_STACK_TICKER, &D::OnStackTicker>},
        {WM_ACTIVATE, &fw::Route<WM_ACTIVATE, &D::OnActivate>},
        {WM_COPYDATA, &fw::Route<WM_COPYDATA, &D::OnCopyData>},
        {WM_HOTKEY, &fw::Route<WM_HOTKEY, &D::OnHotKey>},
        {WM_GETDLGCODE, &fw::Route<WM_GETDLGCODE, &D::OnGetDlgCode>},
        {WM_KEYDOWN, &fw::Route<WM_KEYDOWN, &D::OnKeyDown>},
        {WM_MOUSEWHEEL, &fw::Route<WM_MOUSEWHEEL, &D::OnMouseWheel>},
        {WM_MINI_KEY, &fw::Route<WM_MINI_KEY, &D::OnMiniKey>},
    };
    static const fw::MessageTable table = {messages, fw::CountOf(messages), nullptr, 0, nullptr, 0};
    return table;
}

LRESULT CPlayerDlg::OnCreate(CREATESTRUCTA*) {
    // The skin exists before the dialog's initialisation sizes the window to it.
    m_skin.BuildRegions(::GetModuleHandleA(nullptr));
    mainwnd::CSkin::ApplyOutline(Hwnd());
    return Default();
}

BOOL CPlayerDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    ::SendMessageA(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageA(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_menu.Load(::GetModuleHandleA(nullptr), IDR_POPUP);
    m_pPopupMenu = ::GetSubMenu(m_menu.Get(), 0);

    m_pIniFile = m_openIniFile(m_strIniPath);
    LoadVolume(); // before anything plays
    m_pPlaylist = std::make_unique<CPlaylist>(*m_pIniFile);
    m_pPlaylist->Load();
    m_pController = std::make_unique<CPlayerController>(
        m_decoder, *m_pPlaylist, static_cast<IPlayerView&>(*this), *m_pNotifier);
    m_pNotifier->DeliverTo(m_pController.get());

    // The ticker is told the current entry when it is switched on.
    m_mini.Create(Hwnd(), m_pPopupMenu);
    m_ticker.Create();

    m_skin.CreateBackBuffer(fw::CClientDC(Hwnd()));
    DrawSkin(-1, 0);

    int x = 0, y = 0, nTopmost = 0, nAutoShrink = 0;
    LoadWindowSettings(&x, &y, &nTopmost, &nAutoShrink);
    // A position saved on a screen that is gone would leave the player out of reach (and, on
    // top, without a taskbar button): it then starts at the nearest place that can be seen.
    // Nothing is written here; the next save stores where the window stands.
    const CScreenRect place =
        PlaceWithinReach({x, y, x + m_skin.Width(), y + m_skin.Height()}, ScreenWorkAreas());
    ::SetWindowPos(Hwnd(), nullptr, place.left, place.top, m_skin.Width(), m_skin.Height(),
                   SWP_NOZORDER);
    ApplyTopmost(Hwnd(), nTopmost);
    // The stored values are the menu's check flag itself; only that bit is taken.
    ::CheckMenuItem(m_pPopupMenu, ID_TOPMOST, MF_BYCOMMAND | (nTopmost & MF_CHECKED));
    ::CheckMenuItem(m_pPopupMenu, ID_AUTOSHRINK, MF_BYCOMMAND | (nAutoShrink & MF_CHECKED));

    m_bAutoShrink = nAutoShrink;
    m_tLastAction = m_pfnNow();
    m_bShrunk = FALSE;
    UpdateShrinkTimer();
    if (!m_startupFiles.empty()) ::PostMessageA(Hwnd(), WM_OPEN_STARTUP_FILES, 0, 0);
    RegisterMediaKeys();
    if (m_pInstance) m_pInstance->Publish(Hwnd()); // later starts hand their files here now
    return TRUE;
}

BOOL CPlayerDlg::DestroyWindow() {
    // Later starts no longer find this window: they wait until this player has gone.
    if (m_pInstance) m_pInstance->Publish(nullptr);
    UnregisterMediaKeys();
    if (Hwnd()) ::KillTimer(Hwnd(), kHandOverTimer);
    // The library goes first: after vbmp3_free no notification can reach what follows.
    m_pNotifier->DeliverTo(nullptr);
    m_decoder.Stop();
    m_decoder.Close();
    m_decoder.Free();

    m_ticker.Destroy();
    m_mini.Destroy();
    m_editor.Close(); // it shows the playlist, so it goes before it
    m_pController.reset();
    m_pPlaylist.reset(); // not saved: every edit was saved when it was made

    m_skin.Release();
    if (m_nTimerID) ::KillTimer(Hwnd(), m_nTimerID);
    m_nTimerID = 0;
    return fw::CDialog::DestroyWindow();
}

void CPlayerDlg::DrawSkin(int nButton, int nImage) {
    DrawSkin(nButton, nImage, m_decoder.GetState(nullptr));
}

void CPlayerDlg::DrawSkin(int nButton, int nImage, int playerState) {
    static_assert(mainwnd::kSkinPlaying == IDecoder::STATE_PLAYING &&
                      mainwnd::kSkinPaused == IDecoder::STATE_PAUSED,
                  "the skin shows the decoder's states");
    m_skin.Compose(nButton, nImage, playerState);
    m_skin.Show(fw::CClientDC(Hwnd()));
}

void CPlayerDlg::OnPaint() {
    fw::CPaintDC dc(Hwnd());
    if (::IsIconic(Hwnd())) {
        ::SendMessageA(Hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
        const int cxIcon = ::GetSystemMetrics(SM_CXICON);
        const int cyIcon = ::GetSystemMetrics(SM_CYICON);
        RECT rect;
        ::GetClientRect(Hwnd(), &rect);
        const int x = (rect.right - rect.left - cxIcon + 1) / 2;
        const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
        ::DrawIcon(dc, x, y, m_hIcon);
        return;
    }
    m_skin.Show(dc); // a plain copy: painting never composes
}

HCURSOR CPlayerDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

void CPlayerDlg::OnOK() {
    // Enter never closes the player.
}

void CPlayerDlg::OnCancel() {
    ConfirmExit();
}

void CPlayerDlg::ConfirmExit() {
    // While the question is up, later starts wait with their files: they become the player
    // if this one ends.
    m_bAskingToEnd = true;
    const int answer = fw::ShowMessageBox(Hwnd(), ui::kExitText, ui::kExitCaption, MB_YESNO);
    m_bAskingToEnd = false;
    if (answer != IDYES) return;
    m_bEnding = true;
    PlayerControl(PC_STOP);
    EndDialog(IDCANCEL);
    // The window still exists: its position and the menu's check marks can be read.
    SaveWindowSettings();
}

bool CPlayerDlg::AskRemoveMissingFile(const std::string& path) {
    const int size = std::snprintf(nullptr, 0, ui::kMissingFileFormat, path.c_str());
    std::vector<char> text(static_cast<size_t>(size) + 1);
    std::snprintf(text.data(), text.size(), ui::kMissingFileFormat, path.c_str());
    return fw::ShowMessageBox(Hwnd(), text.data(), ui::kMissingFileCaption, MB_YESNO) == IDYES;
}

void CPlayerDlg::ShowUnusableName() {
    fw::ShowMessageBox(Hwnd(), ui::kUnusableNameText, ui::kUnusableNameCaption, MB_OK);
}

void CPlayerDlg::ShowNoSoundDevice() {
    fw::ShowMessageBox(Hwnd(), ui::kNoSoundText, ui::kNoSoundCaption, MB_OK);
}

void CPlayerDlg::ShowOpenError() {
    fw::ShowMessageBox(Hwnd(), ui::kOpenErrorText, ui::kOpenErrorCaption, MB_OK);
}

void CPlayerDlg::ShowOutcome(const CPlayerOutcome& outcome) {
    m_ticker.TellCurrent(outcome.current, outcome.nElapsedSec, true);
    m_editor.TellCurrent(outcome.nIndex, outcome.nOldIndex);
    DrawSkin(m_nPressed, 1, outcome.nPlayerState);
}

void CPlayerDlg::TellTicker(const CCurrentEntry& current, int, int elapsedSec) {
    m_ticker.TellCurrent(current, elapsedSec, false);
}

void CPlayerDlg::PlaylistChanged() {
    m_editor.CatchUp();
}

void CPlayerDlg::OnMove(int, int) {
    Default();
    m_ticker.Follow(Hwnd());
}

void CPlayerDlg::OnWindowPosChanged(const WINDOWPOS* pos) {
    Default(); // WM_MOVE comes from here
    // Raised, switched to or from always on top, shown again: the ticker comes along.
    if (!(pos->flags & SWP_NOZORDER) || (pos->flags & SWP_SHOWWINDOW))
        m_ticker.RequestStack(Hwnd());
}

void CPlayerDlg::OnActivate(UINT state, HWND, BOOL) {
    Default();
    // Under Wine a click raises the window on the screen while its place in the window order
    // may already be the first: no WM_WINDOWPOSCHANGED then, only the activation.
    if (state != WA_INACTIVE) m_ticker.RequestStack(Hwnd());
}

void CPlayerDlg::OnStackTicker() {
    m_ticker.Stack(Hwnd());
}
