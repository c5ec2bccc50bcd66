// A save of the window settings cut short at any moment (the process killed) leaves the
// playlist whole and the four settings all of one save; so do playlist saves and settings saves
// in turn, as the player makes them into one file.
#include "app/WindowSettingsFile.h"
#include "framework/IniFileWin32.h"
#include "playlist/Playlist.h"
#include "tests/support/ChildAction.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace {

const CWindowSettings kFirst = {11, 22, 8, 0};
const CWindowSettings kSecond = {-333, 4444, 0, 8};
constexpr int kEntries = 120;
constexpr int kShortList = 3;

// A playlist of `count` entries with long titles.
void Fill(CPlaylist* list, const std::string& tag, int count) {
    for (int i = 0; i < count; ++i) {
        CTrackEntry e;
        e.m_strPath = "C:\\音楽\\" + tag + std::to_string(i) + ".mp3";
        e.m_strTitle = "タイトル " + std::string(static_cast<size_t>(i % 9) * 30, 'x');
        int index;
        list->Add(&index, e);
    }
}

// The saves of one turn of a child's loop.
using Saves = std::vector<std::function<void()>>;

Saves SettingsSaves(fw::IIniFile& ini) {
    return {[&ini] { WriteWindowSettings(ini, kFirst); },
            [&ini] { WriteWindowSettings(ini, kSecond); }};
}

// A short and a long playlist, each followed by a set of settings.
Saves BothSaves(fw::IIniFile& ini, CPlaylist* shortList, CPlaylist* longList) {
    return {[shortList] { shortList->Save(); }, [&ini] { WriteWindowSettings(ini, kFirst); },
            [longList] { longList->Save(); }, [&ini] { WriteWindowSettings(ini, kSecond); }};
}

// Child: makes the saves in turn until it is killed.
int Loop(const Saves& saves, const char* readyEvent) {
    SignalChildReady(readyEvent);
    for (;;) {
        for (const auto& save : saves)
            save();
    }
}

int SettingsLoop(int argc, char** argv) {
    if (argc < 3) return 2;
    fw::CIniFileWin32 ini(argv[1]);
    return Loop(SettingsSaves(ini), argv[2]);
}
CChildAction g_settingsLoop("settings-loop", &SettingsLoop);

int BothLoop(int argc, char** argv) {
    if (argc < 3) return 2;
    fw::CIniFileWin32 ini(argv[1]);
    CPlaylist shortList(ini), longList(ini);
    Fill(&shortList, "A", kShortList);
    Fill(&longList, "B", kEntries);
    return Loop(BothSaves(ini, &shortList, &longList), argv[2]);
}
CChildAction g_bothLoop("both-loop", &BothLoop);

// The file's contents after each save of a turn, byte for byte, from two turns made here (the
// first turn starts from what was in the file before); the file is left as a turn leaves it.
std::vector<std::string> StatesOf(const Saves& saves, const std::string& path) {
    std::vector<std::string> states;
    for (int turn = 0; turn < 2; ++turn) {
        for (const auto& save : saves) {
            save();
            if (turn == 1) states.push_back(FileContents(path));
        }
    }
    return states;
}

// Kills the child action midway, round after round: each time the file must hold exactly one of
// `states`. Records how many rounds ended after each save.
void KillRepeatedly(const char* action, const std::string& path,
                    const std::vector<std::string>& states) {
    std::mt19937 random(20261207);
    std::vector<int> endedAfter(states.size());
    const int rounds = KillRounds(12);
    for (int round = 0; round < rounds; ++round) {
        ASSERT_TRUE(RunChildAndKillMidway(action, path, random));
        const auto found = std::find(states.begin(), states.end(), FileContents(path));
        ASSERT_NE(states.end(), found)
            << "round " << round << ": the file is none of the " << states.size() << " whole saves";
        ++endedAfter[static_cast<size_t>(found - states.begin())];
    }
    ::testing::Test::RecordProperty("rounds", rounds);
    for (size_t i = 0; i < states.size(); ++i)
        ::testing::Test::RecordProperty("rounds ending after save " + std::to_string(i + 1),
                                        endedAfter[i]);
}

TEST(WindowSettingsSave, KilledHalfwayKeepsThePlaylistAndOneWholeSave) {
    CTempFolder folder("vz3killset");
    const std::string path = folder / "VizuRE3.INI";
    fw::CIniFileWin32 ini(path);
    CPlaylist playlist(ini);
    Fill(&playlist, "", kEntries);
    playlist.Save();
    const std::vector<std::string> states = StatesOf(SettingsSaves(ini), path);

    KillRepeatedly("settings-loop", path, states);

    // The states themselves: the whole playlist, and the settings of one save.
    CPlaylist loaded(ini);
    loaded.Load();
    EXPECT_EQ(kEntries, loaded.GetCount());
    const int x = ini.GetInt("VIZURE3", "DLGPOSX");
    EXPECT_TRUE(x == kFirst.nPosX || x == kSecond.nPosX) << x;
}

TEST(PlaylistAndWindowSettingsSaves, KilledHalfwayLeaveOneWholeSaveOfEither) {
    CTempFolder folder("vz3killboth");
    const std::string path = folder / "VizuRE3.INI";
    fw::CIniFileWin32 ini(path);
    CPlaylist shortList(ini), longList(ini);
    Fill(&shortList, "A", kShortList);
    Fill(&longList, "B", kEntries);
    const std::vector<std::string> states = StatesOf(BothSaves(ini, &shortList, &longList), path);
    // Four different files: each save changes what a kill can leave.
    ASSERT_EQ(4u, states.size());
    for (size_t i = 0; i < states.size(); ++i)
        EXPECT_NE(states[i], states[(i + 1) % states.size()]) << i;

    KillRepeatedly("both-loop", path, states);
}

} // namespace
