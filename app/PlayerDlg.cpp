// The main window's life cycle: construction, initialisation and the ordered teardown.
#include "app/PlayerDlg.h"

#include "app/UiText.h"
#include "framework/IniFileWin32.h"
#include "framework/MessageBox.h"
#include "playback/DecoderCallback.h"
#include "playback/PlayerController.h"
#include "playback/Vbmp3Decoder.h"
#include "playlist/Playlist.h"
#include "res/resource.h"

CPlayerDlg* g_pPlayerDlg = nullptr;

namespace {
time_t CurrentTime() {
    return std::time(nullptr);
}
} // namespace

CPlayerEnvironment DefaultPlayerEnvironment() {
    static CVbmp3Decoder decoder;
    static fw::CIniFileWin32 iniFile;
    CPlayerEnvironment env;
    env.pDecoder = &decoder;
    env.pIniFile = &iniFile;
    env.pfnNow = &CurrentTime;
    return env;
}

CPlayerDlg::CPlayerDlg(fw::CDialog* pParent, const CPlayerEnvironment& env)
    : fw::CDialog(IDD_PLAYER, pParent), m_pfnNow(env.pfnNow), m_decoder(*env.pDecoder),
      m_iniFile(*env.pIniFile) {
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_decoder.Init();
    // The notification may come before any window exists; it finds the object through this.
    g_pPlayerDlg = this;
    m_decoder.SetCallback(&DecoderCallback);
}

CPlayerDlg::~CPlayerDlg() {
    // DestroyWindow released everything in order; what is left (after a failed creation) goes
    // the same way.
    ReleaseSkin();
    m_pController.reset();
    delete m_pPlaylist;
    if (g_pPlayerDlg == this) g_pPlayerDlg = nullptr;
}

const fw::MessageTable& CPlayerDlg::GetMessageTable() const {
    using D = CPlayerDlg;
    static const fw::MessageEntry messages[] = {
        {WM_PAINT, &fw::Route<WM_PAINT, &D::OnPaint>},
        {WM_QUERYDRAGICON, &fw::Route<WM_QUERYDRAGICON, &D::OnQueryDragIcon>},
        {WM_LBUTTONDOWN, &fw::Route<WM_LBUTTONDOWN, &D::OnLButtonDown>},
        {WM_LBUTTONUP, &fw::Route<WM_LBUTTONUP, &D::OnLButtonUp>},
        {WM_LBUTTONDBLCLK, &fw::Route<WM_LBUTTONDBLCLK, &D::OnLButtonDblClk>},
        {WM_RBUTTONUP, &fw::Route<WM_RBUTTONUP, &D::OnRButtonUp>},
        {WM_MOVE, &fw::Route<WM_MOVE, &D::OnMove>},
        {WM_TIMER, &fw::Route<WM_TIMER, &D::OnTimer>},
        {WM_DROPFILES, &fw::Route<WM_DROPFILES, &D::OnDropFiles>},
    };
    static const fw::MessageTable table = {messages, fw::CountOf(messages), nullptr, 0, nullptr, 0};
    return table;
}

BOOL CPlayerDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_menu.Load(::GetModuleHandleA(nullptr), IDR_POPUP);
    m_pPopupMenu = ::GetSubMenu(m_menu.Get(), 0);

    m_pPlaylist = new CPlaylist(m_iniFile);
    m_pPlaylist->m_strIniPath = m_strIniPath;
    m_pPlaylist->Load();
    m_pController = std::make_unique<CPlayerController>(m_decoder, *m_pPlaylist,
                                                        static_cast<IPlayerView&>(*this));
    SetDecoderNotifyTarget(m_hWnd);

    m_pPlaylistDlg = nullptr;
    CreateCompanions();

    CreateBackBuffer();
    DrawSkin(-1, 0);

    int x = 0, y = 0, nTopmost = 0, nAutoShrink = 0;
    LoadWindowSettings(&x, &y, &nTopmost, &nAutoShrink);
    ::SetWindowPos(m_hWnd, nullptr, x, y, m_bmInfo.bmWidth, m_bmInfo.bmHeight, SWP_NOZORDER);
    ApplyTopmost(m_hWnd, nTopmost);
    // The stored values are the menu's check flag itself; only that bit is taken.
    ::CheckMenuItem(m_pPopupMenu, ID_TOPMOST, MF_BYCOMMAND | (nTopmost & MF_CHECKED));
    ::CheckMenuItem(m_pPopupMenu, ID_AUTOSHRINK, MF_BYCOMMAND | (nAutoShrink & MF_CHECKED));

    m_bAutoShrink = nAutoShrink;
    m_tLastAction = m_pfnNow();
    m_bShrunk = FALSE;
    m_nTimerID = ::SetTimer(m_hWnd, 1, 1000, nullptr);
    if (!m_startupFiles.empty()) ::PostMessageA(m_hWnd, WM_OPEN_STARTUP_FILES, 0, 0);
    return TRUE;
}

void CPlayerDlg::CreateBackBuffer() {
    fw::CClientDC windowDC(m_hWnd);
    m_pBackDC = std::make_unique<fw::CMemoryDC>(windowDC);
    m_bmpBackBuffer.Attach(::CreateCompatibleBitmap(windowDC, m_bmInfo.bmWidth, m_bmInfo.bmHeight));
    m_hOldBitmap = ::SelectObject(*m_pBackDC, m_bmpBackBuffer);
}

BOOL CPlayerDlg::DestroyWindow() {
    // The library goes first: after vbmp3_free no notification can reach what follows.
    SetDecoderNotifyTarget(nullptr);
    m_decoder.Stop();
    m_decoder.Close();
    m_decoder.Free();

    DestroyCompanions();
    ClosePlaylistEditor(); // it shows the playlist, so it goes first
    m_pController.reset();
    delete m_pPlaylist; // not saved: every edit was saved when it was made
    m_pPlaylist = nullptr;

    ReleaseSkin();
    if (m_nTimerID) ::KillTimer(m_hWnd, m_nTimerID);
    m_nTimerID = 0;
    return fw::CDialog::DestroyWindow();
}

void CPlayerDlg::ReleaseSkin() {
    for (fw::CRgn& rgn : m_rgnButton)
        rgn.Delete();
    // The back buffer's bitmap can only be deleted once it is no longer selected.
    if (m_pBackDC && m_hOldBitmap) ::SelectObject(*m_pBackDC, m_hOldBitmap);
    m_hOldBitmap = nullptr;
    m_pBackDC.reset();
    m_bmpBack.Delete();
    for (fw::CBitmap& image : m_bmpImage)
        image.Delete();
    m_bmpBackBuffer.Delete();
}

void CPlayerDlg::OnOK() {
    // Enter never closes the player.
}

void CPlayerDlg::OnCancel() {
    ConfirmExit();
}

void CPlayerDlg::ConfirmExit() {
    if (fw::ShowMessageBox(m_hWnd, ui::kExitText, ui::kExitCaption, MB_YESNO) != IDYES) return;
    PlayerControl(PC_STOP);
    EndDialog(IDCANCEL);
    // The window still exists: its position and the menu's check marks can be read.
    SaveWindowSettings();
}

HCURSOR CPlayerDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}
