// Files dropped on the player: what joins the list, when it is saved, what plays.
#include "tests/playback/ControllerRig.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

class DroppedFilesTest : public ::testing::Test, protected CControllerRig {
protected:
    // A file the decoder can read, with a title and a length.
    std::string Readable(const std::string& name, int seconds = 100) {
        const std::string path = "D:\\drop\\" + name;
        decoder.fileInfo[path] = CFileInfo{"title " + name, "artist " + name, seconds};
        return path;
    }
    void FillListed(int n) {
        for (int i = 0; i < n; ++i) {
            CTrackEntry e;
            e.m_strPath = "C:\\listed\\" + std::to_string(i) + ".mp3";
            int index;
            ASSERT_TRUE(playlist.Add(&index, e));
        }
    }
    std::string PathAt(int i) const {
        CTrackEntry e;
        return playlist.GetAt(i, &e) ? e.m_strPath : "<none>";
    }
    bool Saved() const { return ini.Exists(); }
};

TEST_F(DroppedFilesTest, ThreeNewFilesOnFiveAreAppendedSavedAndTheFirstPlays) {
    FillListed(5);
    ASSERT_TRUE(playlist.SetCurrentIndex(2));
    decoder.Open("C:\\listed\\2.mp3");
    decoder.Play();
    decoder.ClearCalls();
    const std::vector<std::string> dropped = {Readable("b.mp3", 245), Readable("a.mp3"),
                                              Readable("c.mp3")};
    controller.AddDroppedFiles(dropped);

    ASSERT_EQ(8, playlist.GetCount());
    EXPECT_EQ(dropped[0], PathAt(5)); // in the shell's order
    EXPECT_EQ(dropped[1], PathAt(6));
    EXPECT_EQ(dropped[2], PathAt(7));
    CTrackEntry added;
    ASSERT_TRUE(playlist.GetAt(5, &added));
    EXPECT_EQ("title b.mp3", added.m_strTitle);
    EXPECT_EQ("artist b.mp3", added.m_strArtist);
    EXPECT_EQ(245, added.m_nTotalSec);
    EXPECT_EQ(1, added.m_bInfoRead);
    EXPECT_EQ(5, playlist.GetCurrentIndex());
    EXPECT_EQ(8, ini.GetInt("VIZURE3", "REGNUM"));

    EXPECT_EQ(
        (Calls{"GetFileInfo(" + dropped[0] + ")", "GetFileInfo(" + dropped[1] + ")",
               "GetFileInfo(" + dropped[2] + ")", "StopCallback", "Stop", "Close", "StartCallback",
               "Open(" + dropped[0] + ")", "StopCallback", "Play", "StartCallback"}),
        decoder.Calls());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    // The new state is shown at once: ticker, editor and skin.
    ASSERT_EQ(1u, view.ticker.size());
    EXPECT_EQ(5, view.ticker[0].index);
    EXPECT_EQ(0, view.ticker[0].elapsedSec);
    ASSERT_EQ(1u, view.editor.size());
    EXPECT_EQ(5, view.editor[0].index);
    EXPECT_EQ(2, view.editor[0].oldIndex);
    EXPECT_EQ(1, view.redraws);
}

TEST_F(DroppedFilesTest, AListedFileAloneChangesNothing) {
    FillListed(2);
    decoder.fileInfo["C:\\listed\\1.mp3"] = CFileInfo{"t", "a", 1};
    decoder.Open("C:\\listed\\0.mp3");
    decoder.Play();
    decoder.ClearCalls();
    controller.AddDroppedFiles({"C:\\listed\\1.mp3"});
    EXPECT_EQ(2, playlist.GetCount());
    EXPECT_FALSE(Saved());
    EXPECT_EQ((Calls{"GetFileInfo(C:\\listed\\1.mp3)"}), decoder.Calls());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    EXPECT_TRUE(view.NothingTold());
}

TEST_F(DroppedFilesTest, TwoCopiesOfANewPathInOneDropAddItOnce) {
    const std::string path = Readable("twice.mp3");
    controller.AddDroppedFiles({path, path});
    EXPECT_EQ(1, playlist.GetCount());
    EXPECT_EQ(0, view.openErrors);
}

TEST_F(DroppedFilesTest, AnUnreadableFileIsReportedAndTheOthersStillJoin) {
    const std::string good = Readable("good.mp3");
    controller.AddDroppedFiles({"D:\\drop\\picture.png", good});
    EXPECT_EQ(1, view.openErrors);
    ASSERT_EQ(1, playlist.GetCount());
    EXPECT_EQ(good, PathAt(0));
    EXPECT_EQ(good, decoder.OpenPath());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
}

TEST_F(DroppedFilesTest, AFullListTakesNothingAndPlaybackGoesOn) {
    FillListed(CPlaylist::MAX_PLAYLIST_ENTRIES);
    decoder.Open("C:\\listed\\0.mp3");
    decoder.Play();
    decoder.ClearCalls();
    const std::string path = Readable("more.mp3");
    controller.AddDroppedFiles({path});
    EXPECT_EQ(CPlaylist::MAX_PLAYLIST_ENTRIES, playlist.GetCount());
    EXPECT_FALSE(Saved());
    EXPECT_EQ(0, view.openErrors); // no word about it
    EXPECT_EQ("C:\\listed\\0.mp3", decoder.OpenPath());
}

TEST_F(DroppedFilesTest, AFirstFileThatCannotPlayStaysCurrentSilently) {
    const std::string path = Readable("broken.mp3");
    decoder.failingOpens.insert(path);
    controller.AddDroppedFiles({path});
    EXPECT_EQ(0, playlist.GetCurrentIndex());
    EXPECT_TRUE(Saved());
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    EXPECT_TRUE(view.missingFilePrompts.empty());
    EXPECT_EQ(0, view.openErrors);
    EXPECT_TRUE(decoder.CallbacksOn());
}

TEST_F(DroppedFilesTest, NoFilesDoNothing) {
    controller.AddDroppedFiles({});
    EXPECT_TRUE(decoder.Calls().empty());
    EXPECT_FALSE(Saved());
}

} // namespace
