// A main window on real Win32 windows under Wine, with a fake decoder, a fake clock and a real
// INI file in a fresh temporary folder.
#pragma once

#include "app/PlayerDlg.h"
#include "tests/support/FakeDecoder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class PlayerDlgTest : public ::testing::Test {
protected:
    PlayerDlgTest();
    ~PlayerDlgTest() override;

    // This test's fake decoder and clock, and its INI file on disk.
    CPlayerEnvironment Environment();
    // A main window object on this test's INI file (not yet created).
    std::unique_ptr<CPlayerDlg> MakeDlg();
    // MakeDlg, then its window, modeless (OnInitDialog has run when this returns).
    std::unique_ptr<CPlayerDlg> OpenDlg();

    void WriteIni(const std::string& text);
    // A key's raw value in section VIZURE3, or "<missing>".
    std::string IniValue(const char* key) const;
    bool IniExists() const;
    // The popup menu a right click on the figure shows (dismissed at once). The click counts
    // as the user's action, as any right click does.
    static HMENU PopupMenuOf(const CPlayerDlg& dlg);
    // Whether the popup menu shows the item checked.
    static bool IsChecked(const CPlayerDlg& dlg, UINT id);

    // The mini window (this thread's popup that holds a picture), or null.
    static HWND MiniWindow();
    // The main window hidden and the mini window standing in for it.
    static bool IsShrunk(const CPlayerDlg& dlg);
    // One tick of the one-second timer at clock time `t`.
    static void TickAt(const CPlayerDlg& dlg, time_t t);
    // A double click on the mini window: the main window comes back.
    static void RestoreFromMini();
    // The user's last action on the main window was at `t`, as the automatic shrink (switched
    // on) sees it: a tick 180 seconds later leaves the player up, one at 181 shrinks it. The
    // player is brought back afterwards, which counts as an action at t + 181.
    static bool LastActionWas(const CPlayerDlg& dlg, time_t t);

    static time_t s_now;

    CTempFolder folder{"vz3dlg"};
    std::string iniPath;
    CFakeDecoder decoder;
};
