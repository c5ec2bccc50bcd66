// The playlist model: bounds, wrapping and the current index.
#include "playlist/Playlist.h"
#include "tests/support/IniFileFake.h"

#include <gtest/gtest.h>

namespace {

CTrackEntry Entry(const std::string& path) {
    CTrackEntry e;
    e.m_strPath = path;
    e.m_strTitle = "title of " + path;
    e.m_strArtist = "artist of " + path;
    e.m_nTotalSec = static_cast<int>(path.size());
    e.m_bInfoRead = 1;
    return e;
}

class PlaylistModel : public ::testing::Test {
protected:
    void Fill(int n) {
        for (int i = 0; i < n; ++i) {
            int index = -1;
            ASSERT_TRUE(list.Add(&index, Entry(std::string(1, static_cast<char>('A' + i)))));
            ASSERT_EQ(i, index);
        }
    }
    std::string PathAt(int i) const {
        CTrackEntry e;
        return list.GetAt(i, &e) ? e.m_strPath : "<none>";
    }

    CIniFileFake ini;
    CPlaylist list{ini};
};

TEST_F(PlaylistModel, FreshListRefusesEverythingThatNeedsAnEntry) {
    int index = 77;
    CTrackEntry e = Entry("untouched");
    EXPECT_EQ(-1, list.GetCurrentIndex());
    EXPECT_EQ(0, list.GetCount());
    EXPECT_FALSE(list.GetCurrent(&index, &e));
    EXPECT_FALSE(list.MoveNext(&index, &e));
    EXPECT_FALSE(list.MovePrev(&index, &e));
    EXPECT_FALSE(list.GetAt(0, &e));
    EXPECT_FALSE(list.SetCurrentIndex(0));
    EXPECT_FALSE(list.RemoveAt(0));
    EXPECT_FALSE(list.MoveUp(0));
    EXPECT_FALSE(list.MoveDown(0));
    // Failures write no out-parameter.
    EXPECT_EQ(77, index);
    EXPECT_EQ("untouched", e.m_strPath);
}

TEST_F(PlaylistModel, SingleEntryStepsOntoItself) {
    Fill(1);
    int index = -1;
    CTrackEntry e;
    ASSERT_TRUE(list.MoveNext(&index, &e));
    EXPECT_EQ(0, index);
    EXPECT_EQ("A", e.m_strPath);
    ASSERT_TRUE(list.MovePrev(&index, &e));
    EXPECT_EQ(0, index);
    EXPECT_FALSE(list.MoveUp(0));
    EXPECT_FALSE(list.MoveDown(0));
}

TEST_F(PlaylistModel, SteppingWrapsAtBothEnds) {
    Fill(3);
    int index = -1;
    CTrackEntry e;
    ASSERT_TRUE(list.SetCurrentIndex(2));
    ASSERT_TRUE(list.MoveNext(&index, &e));
    EXPECT_EQ(0, index);
    EXPECT_EQ("A", e.m_strPath);
    ASSERT_TRUE(list.MovePrev(&index, &e));
    EXPECT_EQ(2, index);
    EXPECT_EQ("C", e.m_strPath);
    EXPECT_EQ(2, list.GetCurrentIndex());
}

TEST_F(PlaylistModel, AddKeepsTheCurrentIndexAndStopsAt129Entries) {
    int index = -1;
    ASSERT_TRUE(list.Add(&index, Entry("first")));
    EXPECT_EQ(0, index);
    EXPECT_EQ(0, list.GetCurrentIndex());
    for (int i = 1; i < 129; ++i)
        ASSERT_TRUE(list.Add(&index, Entry("e" + std::to_string(i))));
    EXPECT_EQ(129, list.GetCount());
    index = -5;
    EXPECT_FALSE(list.Add(&index, Entry("one too many")));
    EXPECT_EQ(-5, index);
    EXPECT_EQ(129, list.GetCount());
    EXPECT_EQ("e128", PathAt(128));
}

TEST_F(PlaylistModel, IsNewPathComparesBytesExactly) {
    int index;
    ASSERT_TRUE(list.Add(&index, Entry("C:\\Music\\表示.mp3")));
    EXPECT_FALSE(list.IsNewPath("C:\\Music\\表示.mp3"));
    EXPECT_TRUE(list.IsNewPath("c:\\music\\表示.mp3"));
    EXPECT_TRUE(list.IsNewPath("C:/Music/表示.mp3"));
    EXPECT_TRUE(list.IsNewPath("C:\\Music\\表示.mp"));
}

TEST_F(PlaylistModel, RemovingTheCurrentLastEntryLeavesNoCurrentEntryAndNextIsTheFirst) {
    Fill(5);
    ASSERT_TRUE(list.SetCurrentIndex(4));
    ASSERT_TRUE(list.RemoveAt(4));
    EXPECT_EQ(4, list.GetCount());
    EXPECT_EQ(-1, list.GetCurrentIndex());
    int index = -1;
    CTrackEntry e;
    EXPECT_FALSE(list.GetCurrent(&index, &e));
    ASSERT_TRUE(list.MoveNext(&index, &e));
    EXPECT_EQ(0, index);
    EXPECT_EQ(0, list.GetCurrentIndex());
}

// The current entry stays current while others go or move; when it goes itself, its place
// stays: next is the entry that took it, previous the one before it, and a start takes it.
TEST_F(PlaylistModel, TheCurrentIndexFollowsTheCurrentEntry) {
    Fill(5); // A B C D E
    ASSERT_TRUE(list.SetCurrentIndex(3));
    ASSERT_TRUE(list.RemoveAt(0));
    ASSERT_TRUE(list.RemoveAt(1)); // B D E, D current
    EXPECT_EQ(1, list.GetCurrentIndex());
    ASSERT_TRUE(list.MoveUp(1)); // D B E
    EXPECT_EQ(0, list.GetCurrentIndex());
    ASSERT_TRUE(list.MoveUp(1));   // B D E: D was passed over
    ASSERT_TRUE(list.MoveDown(1)); // B E D
    EXPECT_EQ(2, list.GetCurrentIndex());
    ASSERT_TRUE(list.MoveDown(0)); // E B D
    EXPECT_EQ(2, list.GetCurrentIndex());

    int index = -1;
    CTrackEntry e;
    ASSERT_TRUE(list.SetCurrentIndex(1));
    ASSERT_TRUE(list.RemoveAt(1)); // E D, B gone
    EXPECT_EQ(-1, list.GetCurrentIndex());
    EXPECT_FALSE(list.GetCurrent(&index, &e));
    ASSERT_TRUE(list.MoveNext(&index, &e));
    EXPECT_EQ("D", e.m_strPath);   // the entry in its place, not the one after it
    ASSERT_TRUE(list.RemoveAt(1)); // E, D gone
    ASSERT_TRUE(list.MovePrev(&index, &e));
    EXPECT_EQ("E", e.m_strPath);   // the entry before the place
    ASSERT_TRUE(list.RemoveAt(0)); // empty
    EXPECT_EQ(-1, list.GetCurrentIndex());
    Fill(2); // A B added to the emptied list: still no current entry
    EXPECT_EQ(-1, list.GetCurrentIndex());
    ASSERT_TRUE(list.TakeCurrent(&index, &e));
    EXPECT_EQ("A", e.m_strPath);
    EXPECT_EQ(0, list.GetCurrentIndex());
}

TEST_F(PlaylistModel, MovePrevFromARemovedLastEntryLandsOnTheLastEntry) {
    Fill(5);
    ASSERT_TRUE(list.SetCurrentIndex(4));
    ASSERT_TRUE(list.RemoveAt(4));
    ASSERT_TRUE(list.RemoveAt(3));
    int index = -1;
    CTrackEntry e;
    ASSERT_TRUE(list.MovePrev(&index, &e));
    EXPECT_EQ(2, index);
    EXPECT_EQ("C", e.m_strPath);
    EXPECT_TRUE(list.GetCurrent(&index, &e));
}

TEST_F(PlaylistModel, RemovingTheOnlyEntryEmptiesTheList) {
    Fill(1);
    ASSERT_TRUE(list.RemoveAt(0));
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(-1, list.GetCurrentIndex());
    EXPECT_FALSE(list.RemoveAt(0));
}

TEST_F(PlaylistModel, RemoveShiftsLaterEntriesDown) {
    Fill(4);
    ASSERT_TRUE(list.RemoveAt(1));
    EXPECT_EQ("A", PathAt(0));
    EXPECT_EQ("C", PathAt(1));
    EXPECT_EQ("D", PathAt(2));
    EXPECT_FALSE(list.RemoveAt(-1));
    EXPECT_FALSE(list.RemoveAt(3));
}

TEST_F(PlaylistModel, MoveUpAndDownSwapNeighbours) {
    Fill(3);
    ASSERT_TRUE(list.MoveUp(1));
    EXPECT_EQ("B", PathAt(0));
    EXPECT_EQ("A", PathAt(1));
    EXPECT_EQ("C", PathAt(2));

    ASSERT_TRUE(list.MoveDown(1)); // [B, C, A]
    EXPECT_EQ("B", PathAt(0));
    EXPECT_EQ("C", PathAt(1));
    EXPECT_EQ("A", PathAt(2));

    // All five fields travel with the entry.
    CTrackEntry moved;
    ASSERT_TRUE(list.GetAt(2, &moved));
    EXPECT_EQ(Entry("A"), moved);

    EXPECT_FALSE(list.MoveUp(0));
    EXPECT_FALSE(list.MoveUp(3));
    EXPECT_FALSE(list.MoveDown(2));
    EXPECT_FALSE(list.MoveDown(-1));
}

TEST_F(PlaylistModel, GetAtAndSetCurrentIndexCheckBounds) {
    Fill(2);
    CTrackEntry e;
    EXPECT_FALSE(list.GetAt(-1, &e));
    EXPECT_FALSE(list.GetAt(2, &e));
    EXPECT_FALSE(list.SetCurrentIndex(-1));
    EXPECT_FALSE(list.SetCurrentIndex(2));
    EXPECT_TRUE(list.SetCurrentIndex(1));
    EXPECT_EQ(1, list.GetCurrentIndex());
}

TEST_F(PlaylistModel, HandsOutCopies) {
    Fill(1);
    CTrackEntry e;
    ASSERT_TRUE(list.GetAt(0, &e));
    e.m_strTitle = "changed by the caller";
    CTrackEntry again;
    ASSERT_TRUE(list.GetAt(0, &again));
    EXPECT_EQ("title of A", again.m_strTitle);
}

} // namespace
