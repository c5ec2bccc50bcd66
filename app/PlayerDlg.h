// The main window: the skinned player and the owner of everything else.
//
// It owns the playlist, the use of the decoder library, the two companion windows and the
// playlist editor (each through its owner: companions/Ticker.h, companions/Mini.h,
// editor/Editor.h), the popup menu and the skin. Its member functions live in app/, one file per
// subject: life cycle, painting and what the player controller tells the windows
// (PlayerDlg.cpp); mouse, menu, keys and the shrinks (PlayerDlgInput.cpp); files dropped, given
// on the command line or handed over by later starts (PlayerDlgFiles.cpp); the window settings
// (WindowSettings.cpp). The skin itself is mainwnd::CSkin, the player's decisions
// CPlayerController.
#pragma once

#include "companions/Mini.h"
#include "companions/Ticker.h"
#include "companions/WindowDrag.h"
#include "decoder/Decoder.h"
#include "editor/Editor.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/IniFile.h"
#include "mainwnd/Skin.h"
#include "playback/DecoderNotifier.h"
#include "playback/PlayerView.h"

#include <windows.h>

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CPlaylist;
class CPlayerController;
class CPlayerInstance;
struct CPlayerCommand;

// What the main window takes from outside the window system; tests substitute fakes.
struct CPlayerEnvironment {
    IDecoder* pDecoder = nullptr; // the decoder library; not owned
    // Makes the INI file's one owner, bound to the path of SetIniPath; the window calls it once
    // as it initialises and keeps what it makes.
    std::function<std::unique_ptr<fw::IIniFile>(const std::string& path)> openIniFile;
    time_t (*pfnNow)() = nullptr; // the clock in whole seconds
};

// The real library, the INI file on disk and the C library's clock.
CPlayerEnvironment DefaultPlayerEnvironment();

// The main window's timers: the automatic shrink's one-second look at the clock, and files
// handed over by later starts, taken when it fires.
constexpr UINT_PTR kShrinkTimer = 1;
constexpr UINT_PTR kHandOverTimer = 2;

class CPlayerDlg : public fw::CModalDialog, private IPlayerView {
public:
    explicit CPlayerDlg(fw::CDialog* pParent,
                        const CPlayerEnvironment& env = DefaultPlayerEnvironment());
    ~CPlayerDlg() override;

    // The INI file's full path; set before the window is created.
    void SetIniPath(const std::string& path) { m_strIniPath = path; }
    // Files to take as one drop once the window is up (from the command line).
    void SetStartupFiles(std::vector<std::string> files) { m_startupFiles = std::move(files); }
    // Where the window is published for later starts of the player (not owned; may be null).
    void SetInstance(CPlayerInstance* pInstance) { m_pInstance = pInstance; }

    BOOL DestroyWindow() override;

    // Carries out one player command (PC_*); TRUE when it acted.
    BOOL PlayerControl(int nCode);

protected:
    const fw::MessageTable& GetMessageTable() const override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    // Message handlers (the table in PlayerDlg.cpp lists them).
    LRESULT OnCreate(CREATESTRUCTA* create);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);
    void OnMouseMove(UINT nFlags, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);
    void OnRButtonUp(UINT nFlags, POINT point);
    void OnMove(int x, int y);
    // Keep the ticker right behind this window whenever its place in the window order changes
    // or it is activated.
    void OnWindowPosChanged(const WINDOWPOS* pos);
    void OnActivate(UINT state, HWND other, BOOL minimized);
    void OnTimer(UINT_PTR nIDEvent);
    void OnDropFiles(HDROP hDropInfo);
    void OnMiniRestore();
    void OnMiniCommand(UINT id);
    void OnPlaylistClose();
    void OnPlaylistPlay(int index);
    void OnOpenStartupFiles();
    void OnStackTicker();
    BOOL OnCopyData(HWND sender, COPYDATASTRUCT* data);
    void OnHotKey(int id, UINT modifiers, UINT virtualKey);
    UINT OnGetDlgCode();
    void OnKeyDown(UINT virtualKey);
    void OnMiniKey(UINT virtualKey, BOOL shift);
    void OnMouseWheel(int delta);

    // An arrow key, here or on the mini window: a move in the playing track or a volume step.
    void OnArrowKey(UINT virtualKey, bool shift);
    // The volume `steps` steps up (negative: down): to the decoder at once, to the ticker for a
    // moment and to the INI file.
    void ChangeVolume(int steps);
    // The volume kept in the INI file, to the decoder before anything plays.
    void LoadVolume();

    // Files handed over by later starts of the player: kept, and taken as one drop once none
    // has come for a moment and no message box or menu is up.
    void TakeHandedOverFiles();
    // The player's visible window (the mini window while shrunk) to the front.
    void BringToFront();
    // The keyboard's media keys, as far as no other program holds them.
    void RegisterMediaKeys();
    void UnregisterMediaKeys();

    // Recomposes the skin with button nButton (-1: none) drawn with image nImage for the player's
    // state (the decoder's, unless given), and shows it.
    void DrawSkin(int nButton, int nImage);
    void DrawSkin(int nButton, int nImage, int playerState);
    // A popup command id, from this window's menu, the mini window's or a media key.
    void OnMenuCommand(UINT id);
    void DoButtonAction(int button);
    // Carries out a command of the skin or the menu (null: nothing).
    void Carry(const CPlayerCommand* command);
    // Asks "どうせすてるんでしょ？"; on Yes stops playback, ends the modal run and saves the
    // window settings.
    void ConfirmExit();

    BOOL LoadWindowSettings(int* pX, int* pY, int* pTopmost, int* pAutoShrink);
    BOOL SaveWindowSettings();
    BOOL IsMenuChecked(UINT id) const;
    BOOL ToggleMenuCheck(UINT id);
    void ToggleTopmost();
    void ToggleAutoShrink();
    void ToggleTicker();

    // Starts or stops the one-second timer as the automatic shrink needs it.
    void UpdateShrinkTimer();
    // To the mini window, by a double click or the timer.
    void Shrink();

    // IPlayerView: what the controller asks of the windows.
    bool AskRemoveMissingFile(const std::string& path) override;
    void ShowOpenError() override;
    void ShowNoSoundDevice() override;
    void ShowUnusableName() override;
    void ShowOutcome(const CPlayerOutcome& outcome) override;
    void TellTicker(const CCurrentEntry& current, int code, int elapsedSec) override;
    void PlaylistChanged() override;

    int m_bAutoShrink = 0;  // 0 or 8 from the INI file, 0 or 1 from the menu
    int m_nVolume = 100;    // percent, as the decoder has it and the INI file keeps it
    int m_nWheelRest = 0;   // the wheel's turn short of a whole notch
    BOOL m_bShrunk = FALSE; // the mini window stands in for this one
    std::string m_strIniPath;
    // The INI file's one owner, bound to m_strIniPath in OnInitDialog; the playlist reads and
    // writes through it, and so do the window settings.
    std::unique_ptr<fw::IIniFile> m_pIniFile;
    std::unique_ptr<CPlaylist> m_pPlaylist; // from OnInitDialog to DestroyWindow
    HICON m_hIcon = nullptr;                // shared icon resource, not destroyed
    time_t m_tLastAction = 0;               // the user's last action here, whole seconds
    UINT_PTR m_nTimerID = 0;                // the shrink timer while it runs, else 0
    HMENU m_pPopupMenu = nullptr;           // first submenu of m_menu; not owned
    fw::CMenu m_menu;                       // IDR_POPUP; owned
    int m_nPressed = -1;                    // button region pressed and not yet released, or -1
    CWindowDrag m_drag;                     // a press outside the buttons, until it moves or ends
    mainwnd::CSkin m_skin;                  // button regions, bitmaps, back buffer
    // The companions, made hidden at start (the mini window first) and destroyed in the opposite
    // order, and the playlist editor while it is open.
    CMini m_mini;
    CTicker m_ticker;
    CEditor m_editor;

    std::vector<std::string> m_startupFiles;          // taken as a drop once the window is up
    std::vector<std::string> m_handedOver;            // from later starts, waiting to be taken
    DWORD m_nHandOverSince = 0;                       // tick count of the first file waiting
    bool m_bAskingToEnd = false;                      // the exit confirmation is up
    bool m_bEnding = false;                           // the exit was confirmed
    CPlayerInstance* m_pInstance = nullptr;           // not owned
    time_t (*m_pfnNow)();                             // the clock in whole seconds
    std::unique_ptr<CPlayerController> m_pController; // lives with m_pPlaylist
    std::unique_ptr<CDecoderNotifier> m_pNotifier;    // the decoder's notifications to here
    IDecoder& m_decoder;
    std::function<std::unique_ptr<fw::IIniFile>(const std::string& path)> m_openIniFile;
};
