// A save of the window settings cut short at any moment (the process killed) leaves the
// playlist whole and the four settings all of one save.
#include "app/WindowSettingsFile.h"
#include "framework/IniFileWin32.h"
#include "playlist/Playlist.h"
#include "tests/support/ChildAction.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const CWindowSettings kFirst = {11, 22, 8, 0};
const CWindowSettings kSecond = {-333, 4444, 0, 8};
constexpr int kEntries = 120;

// Child: writes the two sets of settings in turn until it is killed.
int SettingsLoop(int argc, char** argv) {
    if (argc < 3) return 2;
    fw::CIniFileWin32 ini;
    SignalChildReady(argv[2]);
    for (;;) {
        WriteWindowSettings(ini, argv[1], kFirst);
        WriteWindowSettings(ini, argv[1], kSecond);
    }
}
CChildAction g_settingsLoop("settings-loop", &SettingsLoop);

TEST(WindowSettingsSave, KilledHalfwayKeepsThePlaylistAndOneWholeSave) {
    CTempFolder folder("vz3killset");
    const std::string path = folder / "VizuRE3.INI";
    fw::CIniFileWin32 ini;
    CPlaylist playlist(ini);
    playlist.m_strIniPath = path;
    for (int i = 0; i < kEntries; ++i) {
        CTrackEntry e;
        e.m_strPath = "C:\\音楽\\" + std::to_string(i) + ".mp3";
        e.m_strTitle = "タイトル " + std::string(static_cast<size_t>(i % 9) * 30, 'x');
        int index;
        ASSERT_TRUE(playlist.Add(&index, e));
    }
    playlist.Save();

    std::mt19937 random(20261207);
    for (int round = 0; round < 12; ++round) {
        ASSERT_TRUE(RunChildAndKillMidway("settings-loop", path, random));
        CPlaylist loaded(ini);
        loaded.m_strIniPath = path;
        loaded.Load();
        ASSERT_EQ(kEntries, loaded.GetCount()) << "round " << round;
        const CWindowSettings got = {
            ini.GetInt(path, "VIZURE3", "DLGPOSX"), ini.GetInt(path, "VIZURE3", "DLGPOSY"),
            ini.GetInt(path, "VIZURE3", "DLGMTOP"), ini.GetInt(path, "VIZURE3", "DLGMMIN")};
        const auto same = [&got](const CWindowSettings& s) {
            return got.nPosX == s.nPosX && got.nPosY == s.nPosY && got.nTopmost == s.nTopmost &&
                   got.nAutoShrink == s.nAutoShrink;
        };
        EXPECT_TRUE(same(kFirst) || same(kSecond))
            << "round " << round << ": " << got.nPosX << " " << got.nPosY << " " << got.nTopmost
            << " " << got.nAutoShrink;
    }
}

} // namespace
