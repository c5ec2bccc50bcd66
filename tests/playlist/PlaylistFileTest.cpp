// The playlist in the INI file. Natively these run against an in-memory store that reads as the
// profile functions do; under Wine the same tests run against the real functions and files.
#include "playlist/Playlist.h"
#include "playlist/PlaylistFile.h"
#include "tests/support/TestIniStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CTrackEntry Entry(const std::string& path, const std::string& title, const std::string& artist,
                  int seconds) {
    CTrackEntry e;
    e.m_strPath = path;
    e.m_strTitle = title;
    e.m_strArtist = artist;
    e.m_nTotalSec = seconds;
    e.m_bInfoRead = 1;
    return e;
}

class PlaylistFile : public ::testing::Test {
protected:
    // A fresh playlist on the test's INI file.
    std::unique_ptr<CPlaylist> NewList() { return std::make_unique<CPlaylist>(*file); }
    std::unique_ptr<CPlaylist> Saved(const std::vector<CTrackEntry>& entries) {
        auto list = NewList();
        for (const CTrackEntry& e : entries) {
            int index;
            EXPECT_TRUE(list->Add(&index, e));
        }
        list->Save();
        return list;
    }
    std::vector<CTrackEntry> Reloaded() {
        auto list = NewList();
        list->Load();
        std::vector<CTrackEntry> entries;
        for (int i = 0; i < list->GetCount(); ++i) {
            CTrackEntry e;
            EXPECT_TRUE(list->GetAt(i, &e));
            entries.push_back(e);
        }
        return entries;
    }
    std::string Text() const { return store.ReadText(path); }

    CTestIniStore store;
    std::string path = store.PathOf("VizuRE3.INI");
    std::unique_ptr<fw::IIniFile> file = store.Open(path);
};

TEST_F(PlaylistFile, SavedFileHasTheKeysInOrder) {
    Saved({Entry("C:\\MP3\\track01.mp3", "Title One", "Artist One", 245),
           Entry("C:\\MP3\\track02.mp3", "Title Two", "Artist Two", 3725)});
    EXPECT_EQ("[VIZURE3]\r\n"
              "REGNUM=2\r\n"
              "FILENAME0000=C:\\MP3\\track01.mp3\r\n"
              "TRACKNAME0000=Title One\r\n"
              "ARTISTNAME0000=Artist One\r\n"
              "TOTALSEC0000=245\r\n"
              "READDATA0000=1\r\n"
              "FILENAME0001=C:\\MP3\\track02.mp3\r\n"
              "TRACKNAME0001=Title Two\r\n"
              "ARTISTNAME0001=Artist Two\r\n"
              "TOTALSEC0001=3725\r\n"
              "READDATA0001=1\r\n",
              Text());
}

TEST_F(PlaylistFile, JapaneseEntriesComeBackUnchangedWithTheFirstCurrent) {
    // 表, ソ and 十 have 0x5C as their second byte.
    const std::vector<CTrackEntry> entries = {
        Entry("C:\\音楽\\表示\\ソフト.mp3", "十五夜お月さん", "ぴこもち", 0),
        Entry("D:\\Music\\a.mp3", "", "", 36000),
        Entry("\\\\server\\share\\曲〜.mp3", "タイトル", "アーティスト", 59)};
    Saved(entries);
    auto list = NewList();
    list->Load();
    EXPECT_EQ(0, list->GetCurrentIndex());
    EXPECT_EQ(entries, Reloaded());
}

TEST_F(PlaylistFile, AShorterListLeavesNoKeysOfTheLongerOne) {
    Saved({Entry("1", "", "", 1), Entry("2", "", "", 2), Entry("3", "", "", 3),
           Entry("4", "", "", 4), Entry("5", "", "", 5)});
    Saved({Entry("a", "", "", 1), Entry("b", "", "", 2)});
    const std::string text = Text();
    for (const char* n : {"0002", "0003", "0004"})
        EXPECT_EQ(std::string::npos, text.find(n)) << n;
    EXPECT_EQ(2u, Reloaded().size());
}

TEST_F(PlaylistFile, WindowSettingsAndEveryOtherLineSurviveASave) {
    store.WriteText(path, "; the user's note\r\n"
                          "[VIZURE3]\r\n"
                          "DLGPOSX=-12\r\nDLGPOSY=340\r\nREGNUM=2\r\nDLGMTOP=8\r\n"
                          "FILENAME0000=old.mp3\r\n filename0001 = older.mp3\r\nDLGMMIN=0\r\n"
                          "[Other]\r\nREGNUM=5\n");
    Saved({Entry("new.mp3", "t", "a", 7)});

    EXPECT_EQ(-12, file->GetInt("VIZURE3", "DLGPOSX"));
    EXPECT_EQ(340, file->GetInt("VIZURE3", "DLGPOSY"));
    EXPECT_EQ(8, file->GetInt("VIZURE3", "DLGMTOP"));
    EXPECT_EQ("0", file->GetString("VIZURE3", "DLGMMIN", 16));
    // The playlist keys come first, as the file has always been laid out; no former key is left
    // in the section, and nothing outside it changes.
    EXPECT_EQ("; the user's note\r\n"
              "[VIZURE3]\r\n"
              "REGNUM=1\r\nFILENAME0000=new.mp3\r\nTRACKNAME0000=t\r\nARTISTNAME0000=a\r\n"
              "TOTALSEC0000=7\r\nREADDATA0000=1\r\n"
              "DLGPOSX=-12\r\nDLGPOSY=340\r\nDLGMTOP=8\r\nDLGMMIN=0\r\n"
              "[Other]\r\nREGNUM=5\n",
              Text());
}

TEST_F(PlaylistFile, AbsentWindowSettingsAreNotInvented) {
    Saved({Entry("x.mp3", "", "", 1)});
    EXPECT_EQ(std::string::npos, Text().find("DLG"));
}

TEST_F(PlaylistFile, FileWithOnlyWindowSettingsLoadsAnEmptyList) {
    store.WriteText(path, "[VIZURE3]\r\nDLGPOSX=5\r\n");
    auto list = NewList();
    list->Load();
    EXPECT_EQ(0, list->GetCount());
    EXPECT_EQ(-1, list->GetCurrentIndex());
    list->Save();
    EXPECT_EQ("[VIZURE3]\r\nREGNUM=0\r\nDLGPOSX=5\r\n", Text());
}

TEST_F(PlaylistFile, MissingEntryKeysGiveEmptyFields) {
    store.WriteText(path, "[VIZURE3]\r\nREGNUM=2\r\nFILENAME0000=only.mp3\r\n");
    const std::vector<CTrackEntry> entries = Reloaded();
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ("only.mp3", entries[0].m_strPath);
    EXPECT_EQ(CTrackEntry(), entries[1]);
}

TEST_F(PlaylistFile, MoreThan129EntriesLoadButNoneCanBeAdded) {
    std::string text = "[VIZURE3]\r\nREGNUM=200\r\n";
    for (int i = 0; i < 200; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "FILENAME%4.4d=f%d.mp3\r\n", i, i);
        text += line;
    }
    store.WriteText(path, text);
    auto list = NewList();
    list->Load();
    EXPECT_EQ(200, list->GetCount());
    CTrackEntry last;
    ASSERT_TRUE(list->GetAt(199, &last));
    EXPECT_EQ("f199.mp3", last.m_strPath);
    int index;
    EXPECT_FALSE(list->Add(&index, Entry("more.mp3", "", "", 1)));
}

TEST_F(PlaylistFile, NegativeCountLoadsNothing) {
    store.WriteText(path, "[VIZURE3]\r\nREGNUM=-3\r\nFILENAME0000=x.mp3\r\n");
    EXPECT_TRUE(Reloaded().empty());
}

TEST_F(PlaylistFile, AbsurdCountLoadsAtMostTheCap) {
    store.WriteText(path, "[VIZURE3]\r\nREGNUM=2000000000\r\nFILENAME0000=x.mp3\r\n");
    const std::vector<CTrackEntry> entries = Reloaded();
    ASSERT_EQ(static_cast<size_t>(CPlaylist::MAX_LOADED_ENTRIES), entries.size());
    EXPECT_EQ("x.mp3", entries[0].m_strPath);
}

TEST_F(PlaylistFile, TextsOfTheFullBufferLengthSurvive) {
    const std::string longest(4094, 'x');
    // A double-byte character that would end past byte 4094 is dropped whole.
    const std::string straddling = std::string(4093, 'y') + "表";
    Saved({Entry("a.mp3", longest, straddling, 1)});
    const std::vector<CTrackEntry> entries = Reloaded();
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(longest, entries[0].m_strTitle);
    EXPECT_EQ(std::string(4093, 'y'), entries[0].m_strArtist);
}

TEST_F(PlaylistFile, BlanksAndQuotesAroundTextsSurvive) {
    const std::vector<std::string> titles = {"  leading", "trailing  ", "\"quoted\"", "'single'",
                                             "\"half",    "mid \" dle", " ",          "="};
    std::vector<CTrackEntry> entries;
    for (const std::string& t : titles)
        entries.push_back(Entry(t + ".mp3", t, t, 1));
    Saved(entries);
    const std::vector<CTrackEntry> loaded = Reloaded();
    ASSERT_EQ(titles.size(), loaded.size());
    for (size_t i = 0; i < titles.size(); ++i) {
        EXPECT_EQ(titles[i], loaded[i].m_strTitle) << i;
        EXPECT_EQ(titles[i], loaded[i].m_strArtist) << i;
    }
}

TEST_F(PlaylistFile, LineBreaksInATextCannotAddKeys) {
    Saved({Entry("a.mp3", "x\r\nREGNUM=99\r\n[OTHER]", "tab\there", 1)});
    const std::vector<CTrackEntry> loaded = Reloaded();
    ASSERT_EQ(1u, loaded.size());
    EXPECT_EQ("x  REGNUM=99  [OTHER]", loaded[0].m_strTitle);
    EXPECT_EQ("tab here", loaded[0].m_strArtist);
}

TEST_F(PlaylistFile, EmptyListIsSavedAsACountOfZero) {
    Saved({Entry("a.mp3", "", "", 1)});
    auto list = NewList();
    list->Load();
    ASSERT_TRUE(list->RemoveAt(0));
    list->Save();
    EXPECT_EQ("[VIZURE3]\r\nREGNUM=0\r\n", Text());
}

} // namespace
