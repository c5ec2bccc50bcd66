// The main window's life cycle: construction, creation, initialisation, painting, the exit and
// the ordered teardown.
#include "app/PlayerDlg.h"

#include "app/PlayerInstance.h"
#include "app/WindowPlacement.h"
#include "companions/Topmost.h"
#include "framework/IniFileWin32.h"
#include "framework/MessageBox.h"
#include "playback/DecoderNotifier.h"
#include "playback/PlayerController.h"
#include "playback/Vbmp3Decoder.h"
#include "playlist/Playlist.h"
#include "res/Messages.h"
#include "res/UiText.h"
#include "res/resource.h"

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
    : fw::CModalDialog(IDD_PLAYER, pParent), m_pfnNow(env.pfnNow), m_decoder(*env.pDecoder),
      m_openIniFile(env.openIniFile) {
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_decoder.Init();
    // Registered now; the notifications go nowhere until the window exists.
    m_pNotifier = std::make_unique<CDecoderNotifier>(m_decoder);
}

CPlayerDlg::~CPlayerDlg() {
    // DestroyWindow released everything in order; what is left (after a failed creation) goes
    // the same way.
    m_skin.Release();
    m_pController.reset();
    delete m_pPlaylist;
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
        {WM_MINI_RESTORE, &fw::RoutePrivate<&D::OnMiniRestore>},
        {WM_MINI_COMMAND, &fw::RoutePrivate<&D::OnMiniCommand>},
        {WM_PLAYLIST_CLOSE, &fw::RoutePrivate<&D::OnPlaylistClose>},
        {WM_PLAYLIST_PLAY, &fw::RoutePrivate<&D::OnPlaylistPlay>},
        {WM_DECODER_NOTIFY, &fw::RoutePrivate<&D::OnDecoderNotifyMessage>},
        {WM_OPEN_STARTUP_FILES, &fw::RoutePrivate<&D::OnOpenStartupFiles>},
        {WM_STACK_TICKER, &fw::RoutePrivate<&D::OnStackTicker>},
        {WM_ACTIVATE, &fw::Route<WM_ACTIVATE, &D::OnActivate>},
        {WM_COPYDATA, &fw::Route<WM_COPYDATA, &D::OnCopyData>},
        {WM_HOTKEY, &fw::Route<WM_HOTKEY, &D::OnHotKey>},
    };
    static const fw::MessageTable table = {messages, fw::CountOf(messages), nullptr, 0, nullptr, 0};
    return table;
}

LRESULT CPlayerDlg::OnCreate(CREATESTRUCTA*) {
    // The skin exists before the dialog's initialisation sizes the window to it.
    m_skin.BuildRegions(::GetModuleHandleA(nullptr));
    // Once accepted, the outline belongs to the system and goes with the window.
    HRGN outline = m_skin.TakeWindowRegion();
    if (outline && !::SetWindowRgn(m_hWnd, outline, TRUE)) ::DeleteObject(outline);
    return Default();
}

BOOL CPlayerDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_menu.Load(::GetModuleHandleA(nullptr), IDR_POPUP);
    m_pPopupMenu = ::GetSubMenu(m_menu.Get(), 0);

    m_pIniFile = m_openIniFile(m_strIniPath);
    m_pPlaylist = new CPlaylist(*m_pIniFile);
    m_pPlaylist->Load();
    m_pController = std::make_unique<CPlayerController>(m_decoder, *m_pPlaylist,
                                                        static_cast<IPlayerView&>(*this));
    m_pNotifier->SetTarget(m_hWnd);

    CreateMini();
    m_pPlaylistDlg = nullptr;
    CreateTicker();

    m_skin.CreateBackBuffer(fw::CClientDC(m_hWnd));
    DrawSkin(-1, 0);

    int x = 0, y = 0, nTopmost = 0, nAutoShrink = 0;
    LoadWindowSettings(&x, &y, &nTopmost, &nAutoShrink);
    // A position saved on a screen that is gone would leave the player out of reach (and, on
    // top, without a taskbar button): it then starts at the nearest place that can be seen.
    // Nothing is written here; the next save stores where the window stands.
    const CScreenRect place =
        PlaceWithinReach({x, y, x + m_skin.Width(), y + m_skin.Height()}, ScreenWorkAreas());
    ::SetWindowPos(m_hWnd, nullptr, place.left, place.top, m_skin.Width(), m_skin.Height(),
                   SWP_NOZORDER);
    ApplyTopmost(m_hWnd, nTopmost);
    // The stored values are the menu's check flag itself; only that bit is taken.
    ::CheckMenuItem(m_pPopupMenu, ID_TOPMOST, MF_BYCOMMAND | (nTopmost & MF_CHECKED));
    ::CheckMenuItem(m_pPopupMenu, ID_AUTOSHRINK, MF_BYCOMMAND | (nAutoShrink & MF_CHECKED));

    m_bAutoShrink = nAutoShrink;
    m_tLastAction = m_pfnNow();
    m_bShrunk = FALSE;
    UpdateShrinkTimer();
    if (!m_startupFiles.empty()) ::PostMessageA(m_hWnd, WM_OPEN_STARTUP_FILES, 0, 0);
    RegisterMediaKeys();
    if (m_pInstance) m_pInstance->Publish(m_hWnd); // later starts hand their files here now
    return TRUE;
}

BOOL CPlayerDlg::DestroyWindow() {
    // Later starts no longer find this window: they wait until this player has gone.
    if (m_pInstance) m_pInstance->Publish(nullptr);
    UnregisterMediaKeys();
    if (m_hWnd) ::KillTimer(m_hWnd, kHandOverTimer);
    // The library goes first: after vbmp3_free no notification can reach what follows.
    m_pNotifier->SetTarget(nullptr);
    m_decoder.Stop();
    m_decoder.Close();
    m_decoder.Free();

    DestroyTicker();
    DestroyMini();
    ClosePlaylistEditor(); // it shows the playlist, so it goes before it
    m_pController.reset();
    delete m_pPlaylist; // not saved: every edit was saved when it was made
    m_pPlaylist = nullptr;

    m_skin.Release();
    if (m_nTimerID) ::KillTimer(m_hWnd, m_nTimerID);
    m_nTimerID = 0;
    return fw::CDialog::DestroyWindow();
}

void CPlayerDlg::DrawSkin(int nButton, int nImage) {
    static_assert(mainwnd::kSkinPlaying == IDecoder::STATE_PLAYING &&
                      mainwnd::kSkinPaused == IDecoder::STATE_PAUSED,
                  "the skin shows the decoder's states");
    m_skin.Compose(nButton, nImage, m_decoder.GetState(nullptr));
    m_skin.Show(fw::CClientDC(m_hWnd));
}

void CPlayerDlg::OnPaint() {
    fw::CPaintDC dc(m_hWnd);
    if (::IsIconic(m_hWnd)) {
        ::SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
        const int cxIcon = ::GetSystemMetrics(SM_CXICON);
        const int cyIcon = ::GetSystemMetrics(SM_CYICON);
        RECT rect;
        ::GetClientRect(m_hWnd, &rect);
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
    const int answer = fw::ShowMessageBox(m_hWnd, ui::kExitText, ui::kExitCaption, MB_YESNO);
    m_bAskingToEnd = false;
    if (answer != IDYES) return;
    m_bEnding = true;
    PlayerControl(PC_STOP);
    EndDialog(IDCANCEL);
    // The window still exists: its position and the menu's check marks can be read.
    SaveWindowSettings();
}
