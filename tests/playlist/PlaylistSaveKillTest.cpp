// A save cut short at any moment (the process killed) leaves either the former or the new
// playlist in the file, whole, with the window settings.
#include "framework/IniFileWin32.h"
#include "playlist/Playlist.h"
#include "tests/support/ChildAction.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <random>

namespace {

CTrackEntry Entry(const std::string& tag, int i) {
    CTrackEntry e;
    e.m_strPath = "C:\\音楽\\" + tag + std::to_string(i) + ".mp3";
    e.m_strTitle = tag + " タイトル " + std::string(static_cast<size_t>(i % 7) * 20, 'x');
    e.m_strArtist = tag + " アーティスト";
    e.m_nTotalSec = i;
    e.m_bInfoRead = 1;
    return e;
}

// Two lists of different lengths, so that a file mixing them cannot pass for either.
std::vector<CTrackEntry> ListOf(const std::string& tag, int count) {
    std::vector<CTrackEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(Entry(tag, i));
    return entries;
}
const int kCountA = 3;
const int kCountB = 120;

// The playlist holding ListOf(tag, count).
void Fill(CPlaylist* list, const std::string& tag, int count) {
    int index;
    for (const CTrackEntry& e : ListOf(tag, count))
        list->Add(&index, e);
}

// Child: saves the two lists in turn until it is killed.
int SaveLoop(int argc, char** argv) {
    if (argc < 3) return 2;
    fw::CIniFileWin32 ini(argv[1]);
    CPlaylist a(ini), b(ini);
    Fill(&a, "A", kCountA);
    Fill(&b, "B", kCountB);
    SignalChildReady(argv[2]); // the first save may start
    for (;;) {
        a.Save();
        b.Save();
    }
}
CChildAction g_saveLoop("save-loop", &SaveLoop);

TEST(PlaylistSave, KilledHalfwayLeavesOneWholeList) {
    CTempFolder folder("vz3kill");
    const std::string path = folder / "VizuRE3.INI";
    fw::CIniFileWin32 ini(path);
    ASSERT_TRUE(WriteFileBytes(path, "[VIZURE3]\r\nDLGPOSX=123\r\nDLGMTOP=8\r\n"));
    // The file's contents after each save of the child's loop, byte for byte; the file is left
    // as the loop's last save leaves it.
    std::string states[2];
    for (int i = 0; i < 2; ++i) {
        CPlaylist list(ini);
        Fill(&list, i == 0 ? "A" : "B", i == 0 ? kCountA : kCountB);
        list.Save();
        states[i] = FileContents(path);
    }

    std::mt19937 random(20261207);
    int sawA = 0, sawB = 0;
    const int rounds = KillRounds(12);
    for (int round = 0; round < rounds; ++round) {
        ASSERT_TRUE(RunChildAndKillMidway("save-loop", path, random));
        const std::string contents = FileContents(path);
        ASSERT_TRUE(contents == states[0] || contents == states[1])
            << "round " << round << ": neither the old nor the new file, " << contents.size()
            << " bytes";

        CPlaylist loaded(ini);
        loaded.Load();
        const int count = loaded.GetCount();
        ASSERT_TRUE(count == kCountA || count == kCountB) << "round " << round << ": " << count;
        const std::vector<CTrackEntry> expected = ListOf(count == kCountA ? "A" : "B", count);
        for (int i = 0; i < count; ++i) {
            CTrackEntry e;
            ASSERT_TRUE(loaded.GetAt(i, &e));
            ASSERT_EQ(expected[static_cast<size_t>(i)], e) << "round " << round << " entry " << i;
        }
        (count == kCountA ? sawA : sawB)++;
        EXPECT_EQ(123, ini.GetInt("VIZURE3", "DLGPOSX"));
        EXPECT_EQ(8, ini.GetInt("VIZURE3", "DLGMTOP"));
    }
    // Both outcomes occur, so the kill did land at different points of the saves.
    RecordProperty("rounds", rounds);
    RecordProperty("rounds ending with the short list", sawA);
    RecordProperty("rounds ending with the long list", sawB);
}

} // namespace
