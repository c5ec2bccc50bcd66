// Reading a track's information, and the editor's text forms of an entry.
#include "playlist/TrackInfo.h"
#include "tests/support/FakeDecoder.h"

#include <gtest/gtest.h>

namespace {

TEST(TrackText, TimeReadsHoursApostropheMinutesQuoteSeconds) {
    EXPECT_EQ("0'04\"05", TimeText(245));
    EXPECT_EQ("1'02\"05", TimeText(3725));
    EXPECT_EQ("0'00\"00", TimeText(0));
    EXPECT_EQ("10'00\"00", TimeText(36000));
    EXPECT_EQ("0'59\"59", TimeText(3599));
}

TEST(TrackText, FileNameIsWhatFollowsTheLastRealBackslash) {
    EXPECT_EQ("song.mp3", FileNameText("C:\\Music\\song.mp3"));
    EXPECT_EQ("no-folder.mp3", FileNameText("no-folder.mp3"));
    // ソ (83 5C) and 表 (95 5C) end in the backslash byte.
    EXPECT_EQ("ソ.mp3", FileNameText("C:\\音楽\\ソ.mp3"));
    EXPECT_EQ("表示.mp3", FileNameText("C:\\表\\表示.mp3"));
    EXPECT_EQ("アルバム表", FileNameText("D:\\x\\アルバム表"));
    EXPECT_EQ("", FileNameText("C:\\folder\\"));
}

TEST(TrackInfo, ReadFillsTheEntryFromTheLibrary) {
    CFakeDecoder decoder;
    decoder.fileInfo["C:\\a.mp3"] = CFileInfo{"タイトル", "", 245};
    CTrackEntry entry;
    ASSERT_TRUE(ReadTrackInfo(decoder, "C:\\a.mp3", &entry));
    EXPECT_EQ("C:\\a.mp3", entry.m_strPath);
    EXPECT_EQ("タイトル", entry.m_strTitle);
    EXPECT_EQ("", entry.m_strArtist); // no fallback for an empty tag
    EXPECT_EQ(245, entry.m_nTotalSec);
    EXPECT_EQ(1, entry.m_bInfoRead);
}

TEST(TrackInfo, AFailedReadLeavesTheEntryAlone) {
    CFakeDecoder decoder;
    CTrackEntry entry;
    entry.m_strTitle = "untouched";
    EXPECT_FALSE(ReadTrackInfo(decoder, "C:\\missing.mp3", &entry));
    EXPECT_EQ("untouched", entry.m_strTitle);
    EXPECT_EQ("", entry.m_strPath);
}

} // namespace
