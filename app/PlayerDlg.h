// The main window: the skinned player and the owner of everything else.
//
// It owns the playlist, the use of the decoder library, the two companion windows, the playlist
// editor while it is open, the popup menu and every GDI object of the skin. Its member
// functions are spread over the folders by subject: life cycle and settings here in app/,
// shape, painting and input in mainwnd/, the player controller and dropped files in playback/.
#pragma once

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/IniFile.h"
#include "mainwnd/RunTables.h"
#include "playback/ControlCodes.h"
#include "playback/Decoder.h"
#include "playback/PlayerView.h"

#include <windows.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

class CPlaylist;
class CPlayerController;
class CTickerDlg;
class CMiniDlg;
class CPlaylistDlg;

// What the main window takes from outside the window system; tests substitute fakes.
struct CPlayerEnvironment {
    IDecoder* pDecoder = nullptr;     // the decoder library; not owned
    fw::IIniFile* pIniFile = nullptr; // operations on the INI file; not owned
    time_t (*pfnNow)() = nullptr;     // the clock in whole seconds
};

// The real library, the private-profile functions and the C library's clock.
CPlayerEnvironment DefaultPlayerEnvironment();

// Private messages between the program's windows (all sent, never posted), and one the main
// window posts itself to open the files of its command line once it is up.
enum : UINT {
    WM_PLAYLIST_CURRENT = 6001,
    WM_MINI_RESTORE = 6002,
    WM_MINI_COMMAND = 6003,
    WM_PLAYLIST_CLOSE = 6004,
    WM_PLAYLIST_PLAY = 6005,
    WM_OPEN_STARTUP_FILES = WM_APP + 2,
};

class CPlayerDlg : public fw::CDialog, private IPlayerView {
public:
    explicit CPlayerDlg(fw::CDialog* pParent,
                        const CPlayerEnvironment& env = DefaultPlayerEnvironment());
    ~CPlayerDlg() override;

    BOOL DestroyWindow() override;

    // Carries out one player command (PC_*); TRUE when it acted.
    BOOL PlayerControl(int nCode);
    // Recomposes the skin in the back buffer with button nButton (-1: none) drawn with image
    // nImage, and shows it.
    void DrawSkin(int nButton, int nImage);
    // A decoder notification, on the window thread.
    void OnDecoderNotify(int code, int value);
    // Files to handle as a drop once the window is up (from the command line).
    std::vector<std::string> m_startupFiles;

    BOOL LoadWindowSettings(int* pX, int* pY, int* pTopmost, int* pAutoShrink);
    BOOL SaveWindowSettings();

    // Asks "どうせすてるんでしょ？"; on Yes stops playback, ends the modal run and saves the
    // window settings.
    void ConfirmExit();

    int m_bAutoShrink = 0;  // 0 or 8 from the INI file, 0 or 1 from the menu
    BOOL m_bShrunk = FALSE; // the mini window stands in for this one
    std::string m_strIniPath;
    CPlaylist* m_pPlaylist = nullptr;       // owned; from OnInitDialog to DestroyWindow
    HICON m_hIcon = nullptr;                // shared icon resource, not destroyed
    time_t m_tLastAction = 0;               // the user's last action here, whole seconds
    CTickerDlg* m_pTicker = nullptr;        // deletes itself after its window is gone
    CMiniDlg* m_pMini = nullptr;            // deletes itself after its window is gone
    CPlaylistDlg* m_pPlaylistDlg = nullptr; // owned while open
    UINT_PTR m_nTimerID = 0;
    HMENU m_pPopupMenu = nullptr; // first submenu of m_menu; not owned
    fw::CMenu m_menu;             // IDR_POPUP; owned
    int m_nPressed = -1;          // button region pressed and not yet released, or -1

    // Skin: the background's description, the back buffer, the outline and button regions,
    // the background and the four state images.
    BITMAP m_bmInfo{};
    std::unique_ptr<fw::CMemoryDC> m_pBackDC; // owned
    fw::CBitmap m_bmpBackBuffer;              // selected into m_pBackDC while it lives
    HGDIOBJ m_hOldBitmap = nullptr;           // what m_pBackDC held before m_bmpBackBuffer
    HRGN m_hWindowRgn = nullptr;              // belongs to the system once SetWindowRgn took it
    fw::CBitmap m_bmpBack;
    fw::CRgn m_rgnButton[mainwnd::BUTTON_COUNT];
    fw::CBitmap m_bmpImage[4]; // element n-1 holds image n

protected:
    const fw::MessageTable& GetMessageTable() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);
    void OnRButtonUp(UINT nFlags, POINT point);
    void OnMove(int x, int y);
    void OnTimer(UINT_PTR nIDEvent);
    void OnDropFiles(HDROP hDropInfo);
    // A popup command id, from this window's menu or the mini window's.
    void OnMenuCommand(UINT id);

private:
    // IPlayerView: what the controller asks of the windows.
    bool AskRemoveMissingFile(const std::string& path) override;
    void ShowOpenError() override;
    void TellTicker(int index, int code, int elapsedSec, bool forceRefresh) override;
    void TellEditor(int index, int oldIndex) override;
    void RedrawSkin() override;
    void TrackChanging() override;

    // A WM_DECODER_NOTIFY from the library's thread; stale ones are dropped.
    void OnDecoderNotifyMessage(WPARAM wParam, LPARAM lParam);
    // Hands the ticker WM_PLAYLIST_CURRENT (after a forced refresh when asked).
    void SendTickerCurrent(WPARAM wParam, LPARAM lParam, bool forceRefresh);

    // Creation of the window's outline, button regions and skin bitmaps (on WM_CREATE).
    void BuildRegions();
    // Index of the first button region holding the point (window coordinates), or -1.
    int HitTestButtons(POINT point) const;
    void DrawSkinImage(HDC tempDC, int nImage);
    void DoButtonAction(int button);
    BOOL IsMenuChecked(UINT id) const;
    BOOL ToggleMenuCheck(UINT id);
    void ToggleAutoShrink();
    void ShrinkByDoubleClick();
    void ShrinkByTimer();
    void PlaceMiniWindow();
    void OnMiniRestore();
    void ToggleTicker();
    void PlaceTicker();
    // The companions as the main window handles them; null windows until they exist.
    HWND TickerWindow() const;
    HWND MiniWindow() const;
    BOOL IsTickerShown() const;
    void SetTickerShown(BOOL bShown);
    // Opens the playlist editor unless it is open already.
    void OpenPlaylistEditor();
    void CreateBackBuffer();
    void ReleaseSkin();
    // The companion windows (ticker, mini window) and their teardown.
    void CreateCompanions();
    void DestroyCompanions();
    // Destroys and deletes the playlist editor if it is open.
    void ClosePlaylistEditor();

    time_t (*m_pfnNow)();                             // the clock in whole seconds
    std::unique_ptr<CPlayerController> m_pController; // lives with m_pPlaylist
    IDecoder& m_decoder;
    fw::IIniFile& m_iniFile;
};

// The one main window, for the decoder's notification function.
extern CPlayerDlg* g_pPlayerDlg;

// Puts the always-on-top setting into effect on the main or the mini window: hides it, then
// shows it topmost without a taskbar button (flag non-zero), or not topmost with a taskbar
// button titled "ぴこもちＭＰ３プレーヤー" (flag zero).
void ApplyTopmost(HWND hwnd, int nTopmost);
