// The player controller against a fake decoder: the state table, stepping through the list,
// missing files and the end of a track.
#include "tests/playback/ControllerRig.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

class PlayerControllerTest : public ::testing::Test, protected CControllerRig {
protected:
    void Fill(int n) {
        for (int i = 0; i < n; ++i) {
            CTrackEntry e;
            e.m_strPath = Path(i);
            int index;
            ASSERT_TRUE(playlist.Add(&index, e));
        }
    }
    static std::string Path(int i) { return "C:\\music\\" + std::to_string(i) + ".mp3"; }
    // Plays entry `i` as the user would have started it, then forgets the calls.
    void StartPlaying(int i) {
        ASSERT_TRUE(playlist.SetCurrentIndex(i));
        ASSERT_TRUE(controller.PlayerControl(PC_PLAYCURRENT));
        decoder.ClearCalls();
        view = CFakePlayerView();
    }
    static Calls StartSequence(int i) {
        return {"StopCallback", "Stop", "Close", "Open(" + Path(i) + ")", "Play", "StartCallback"};
    }
    // At a track's end: no stop, which would silence what the device still plays of it.
    static Calls AdvanceSequence(int i) {
        return {"StopCallback", "Close", "Open(" + Path(i) + ")", "Play", "StartCallback"};
    }
    int Current() const { return playlist.GetCurrentIndex(); }
};

// --- The state table, row by row ---

TEST_F(PlayerControllerTest, StoppedPlayPauseStartsTheCurrentEntry) {
    Fill(3);
    ASSERT_TRUE(playlist.SetCurrentIndex(1));
    EXPECT_TRUE(controller.PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ(StartSequence(1), decoder.Calls());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    EXPECT_EQ(1, Current());
}

TEST_F(PlayerControllerTest, StoppedStopStaysStopped) {
    Fill(2);
    EXPECT_TRUE(controller.PlayerControl(PC_STOP));
    EXPECT_EQ((Calls{"StopCallback", "StartCallback"}), decoder.Calls());
    EXPECT_EQ(1, view.redraws);
}

TEST_F(PlayerControllerTest, StoppedPrevAndNextOnlyMoveTheIndex) {
    Fill(3);
    EXPECT_TRUE(controller.PlayerControl(PC_NEXT));
    EXPECT_EQ(1, Current());
    EXPECT_TRUE(controller.PlayerControl(PC_PREV));
    EXPECT_TRUE(controller.PlayerControl(PC_PREV));
    EXPECT_EQ(2, Current()); // wrapped to the last entry
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    // Notifications go off and on around each, and nothing else happens to the decoder.
    EXPECT_EQ((Calls{"StopCallback", "StartCallback", "StopCallback", "StartCallback",
                     "StopCallback", "StartCallback"}),
              decoder.Calls());
    // Ticker, editor and skin follow each move.
    ASSERT_EQ(3u, view.editor.size());
    EXPECT_EQ(1, view.editor[0].index);
    EXPECT_EQ(0, view.editor[0].oldIndex);
    EXPECT_EQ(3, view.redraws);
}

TEST_F(PlayerControllerTest, StoppedMenuStepsStartPlaying) {
    Fill(3);
    EXPECT_TRUE(controller.PlayerControl(PC_NEXTPLAY));
    EXPECT_EQ(StartSequence(1), decoder.Calls());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
}

TEST_F(PlayerControllerTest, PlayingPlayPausePausesAndAgainResumesInPlace) {
    Fill(2);
    StartPlaying(0);
    decoder.elapsedSec = 42;
    EXPECT_TRUE(controller.PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ((Calls{"StopCallback", "Pause", "StartCallback"}), decoder.Calls());
    EXPECT_EQ(IDecoder::STATE_PAUSED, decoder.State());
    decoder.ClearCalls();
    EXPECT_TRUE(controller.PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ((Calls{"StopCallback", "Restart", "StartCallback"}), decoder.Calls());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    EXPECT_EQ("C:\\music\\0.mp3", decoder.OpenPath());
    ASSERT_EQ(2u, view.ticker.size());
    EXPECT_EQ(42, view.ticker[1].elapsedSec); // the position is kept
    EXPECT_EQ(0, view.trackChanges);
}

TEST_F(PlayerControllerTest, PlayingOrPausedStopStopsAndCloses) {
    Fill(2);
    StartPlaying(1);
    decoder.elapsedSec = 17;
    EXPECT_TRUE(controller.PlayerControl(PC_STOP));
    EXPECT_EQ((Calls{"StopCallback", "Stop", "Close", "StartCallback"}), decoder.Calls());
    ASSERT_EQ(1u, view.ticker.size());
    EXPECT_EQ(0, view.ticker[0].elapsedSec);
    EXPECT_EQ(1, view.ticker[0].index);

    StartPlaying(0);
    decoder.Pause();
    decoder.ClearCalls();
    EXPECT_TRUE(controller.PlayerControl(PC_STOP));
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    EXPECT_EQ("", decoder.OpenPath());
}

TEST_F(PlayerControllerTest, PlayingOrPausedNextStartsTheNextEntry) {
    Fill(3);
    StartPlaying(0);
    EXPECT_TRUE(controller.PlayerControl(PC_NEXT));
    EXPECT_EQ(StartSequence(1), decoder.Calls());
    EXPECT_EQ(1, view.trackChanges);

    StartPlaying(1);
    decoder.Pause();
    decoder.ClearCalls();
    EXPECT_TRUE(controller.PlayerControl(PC_NEXT));
    EXPECT_EQ(StartSequence(2), decoder.Calls());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
}

TEST_F(PlayerControllerTest, PreviousRestartsAfterTwoSecondsAndStepsBackBefore) {
    Fill(3);
    StartPlaying(1);
    decoder.elapsedSec = 1;
    EXPECT_TRUE(controller.PlayerControl(PC_PREV));
    EXPECT_EQ(StartSequence(0), decoder.Calls());

    StartPlaying(1);
    decoder.elapsedSec = 2;
    EXPECT_TRUE(controller.PlayerControl(PC_PREV));
    EXPECT_EQ(StartSequence(1), decoder.Calls()); // the same entry from its beginning
    EXPECT_EQ(1, Current());

    StartPlaying(1);
    decoder.elapsedSec = 0;
    EXPECT_TRUE(controller.PlayerControl(PC_PREV));
    EXPECT_EQ(0, Current());
}

TEST_F(PlayerControllerTest, MenuStepsStartInEveryState) {
    Fill(3);
    StartPlaying(2);
    EXPECT_TRUE(controller.PlayerControl(PC_NEXTPLAY));
    EXPECT_EQ(StartSequence(0), decoder.Calls()); // after the last comes the first
    StartPlaying(0);
    decoder.Pause();
    decoder.ClearCalls();
    EXPECT_TRUE(controller.PlayerControl(PC_PREVPLAY));
    EXPECT_EQ(StartSequence(2), decoder.Calls());
}

TEST_F(PlayerControllerTest, SingleEntryNextAndPreviousRestartIt) {
    Fill(1);
    StartPlaying(0);
    EXPECT_TRUE(controller.PlayerControl(PC_NEXT));
    EXPECT_EQ(StartSequence(0), decoder.Calls());
    StartPlaying(0);
    EXPECT_TRUE(controller.PlayerControl(PC_PREV));
    EXPECT_EQ(StartSequence(0), decoder.Calls());
}

// --- What the controller tells ---

TEST_F(PlayerControllerTest, ActingTellsTickerEditorAndSkin) {
    Fill(3);
    StartPlaying(0);
    decoder.elapsedSec = 95;
    EXPECT_TRUE(controller.PlayerControl(PC_NEXT));
    ASSERT_EQ(1u, view.ticker.size());
    EXPECT_EQ(1, view.ticker[0].index);
    EXPECT_EQ(0, view.ticker[0].code);
    EXPECT_EQ(0, view.ticker[0].elapsedSec); // the new track starts at its beginning
    EXPECT_TRUE(view.ticker[0].forceRefresh);
    ASSERT_EQ(1u, view.editor.size());
    EXPECT_EQ(1, view.editor[0].index);
    EXPECT_EQ(0, view.editor[0].oldIndex);
    EXPECT_EQ(1, view.redraws);
}

// --- Empty list, codes out of range ---

TEST_F(PlayerControllerTest, EmptyListRefusesEverythingThatNeedsAnEntry) {
    for (int code : {PC_PLAYPAUSE, PC_PREV, PC_NEXT, PC_NEXTPLAY, PC_PREVPLAY, PC_PLAYCURRENT}) {
        EXPECT_FALSE(controller.PlayerControl(code)) << code;
    }
    EXPECT_TRUE(decoder.Calls().empty());
    EXPECT_TRUE(view.NothingTold());
}

TEST_F(PlayerControllerTest, CodesOutOfRangeDoNothing) {
    Fill(2);
    for (int code : {0, 10, -1, 32775, 32778})
        EXPECT_FALSE(controller.PlayerControl(code)) << code;
    EXPECT_TRUE(decoder.Calls().empty());
    EXPECT_TRUE(view.NothingTold());
}

TEST_F(PlayerControllerTest, ListEmptiedWhilePlayingStillPausesResumesAndStops) {
    Fill(1);
    StartPlaying(0);
    ASSERT_TRUE(playlist.RemoveAt(0));
    EXPECT_TRUE(controller.PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ(IDecoder::STATE_PAUSED, decoder.State());
    EXPECT_TRUE(controller.PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    EXPECT_FALSE(controller.PlayerControl(PC_NEXT));
    EXPECT_FALSE(controller.PlayerControl(PC_PREV));
    EXPECT_TRUE(controller.PlayerControl(PC_STOP));
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    // Told with index -1: there is no entry.
    ASSERT_EQ(3u, view.ticker.size());
    EXPECT_EQ(-1, view.ticker[2].index);
    EXPECT_EQ(-1, view.editor[2].index);
}

TEST_F(PlayerControllerTest, EndOfTheLastTrackOfAnEmptiedListEndsPlayback) {
    Fill(1);
    StartPlaying(0);
    ASSERT_TRUE(playlist.RemoveAt(0));
    decoder.Stop(); // the library has played the file to its end
    decoder.ClearCalls();
    controller.OnDecoderNotify(IDecoder::NOTIFY_END, 1);
    EXPECT_TRUE(decoder.Calls().empty());
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
}

// --- Missing files ---

TEST_F(PlayerControllerTest, MissingFileAnsweredYesRemovesTheEntryAndTellsNobody) {
    Fill(3);
    decoder.failingOpens.insert(Path(1));
    view.removeMissingFiles = true;
    ASSERT_TRUE(playlist.SetCurrentIndex(1));
    EXPECT_FALSE(controller.PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ((std::vector<std::string>{Path(1)}), view.missingFilePrompts);
    EXPECT_EQ(2, playlist.GetCount());
    EXPECT_TRUE(playlist.IsNewPath(Path(1)));
    EXPECT_TRUE(decoder.CallbacksOn());
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    EXPECT_TRUE(view.NothingTold());
    EXPECT_FALSE(ini.Exists()); // the removal is not saved
}

TEST_F(PlayerControllerTest, MissingFileAnsweredNoKeepsItCurrentAndStopped) {
    Fill(3);
    StartPlaying(0);
    decoder.failingOpens.insert(Path(1));
    EXPECT_TRUE(controller.PlayerControl(PC_NEXT));
    EXPECT_EQ(1u, view.missingFilePrompts.size());
    EXPECT_EQ(3, playlist.GetCount());
    EXPECT_EQ(1, Current());
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    EXPECT_TRUE(decoder.CallbacksOn());
    EXPECT_EQ(1, view.redraws); // the skin shows the stopped state
    EXPECT_EQ(1u, view.editor.size());
}

// --- Notifications ---

TEST_F(PlayerControllerTest, EndOfTrackPlaysTheNextWhenHeardAndTheListRepeats) {
    Fill(3);
    StartPlaying(1);
    controller.OnDecoderNotify(IDecoder::NOTIFY_END, 1);
    EXPECT_EQ(AdvanceSequence(2), decoder.Calls());
    // The end of entry 1 still sounds: the windows show entry 2 once it is heard.
    EXPECT_EQ(0, view.redraws);
    controller.OnDecoderNotify(IDecoder::NOTIFY_ELAPSED, 0);
    EXPECT_EQ(1, view.redraws);
    EXPECT_EQ(2, view.editor.back().index);
    decoder.ClearCalls();
    controller.OnDecoderNotify(IDecoder::NOTIFY_END, 1);
    EXPECT_EQ(AdvanceSequence(0), decoder.Calls());
    // A command given before the new track is heard shows the advance first, then acts.
    ASSERT_TRUE(controller.PlayerControl(PC_STOP));
    EXPECT_EQ(3, view.redraws);
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
}

TEST_F(PlayerControllerTest, AListWithoutSoundStopsAfterOnePass) {
    Fill(3);
    StartPlaying(0);
    auto endWithoutSound = [this] {
        decoder.EndTrack(false);
        controller.OnDecoderNotify(IDecoder::NOTIFY_END, 0);
    };
    endWithoutSound();
    endWithoutSound();
    decoder.EndTrack(true); // the third plays sound: the count starts again
    controller.OnDecoderNotify(IDecoder::NOTIFY_END, 1);
    endWithoutSound();
    endWithoutSound();
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    EXPECT_EQ(2, Current());
    view = CFakePlayerView();
    endWithoutSound(); // three in a row: a whole pass without sound
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    EXPECT_EQ("", decoder.OpenPath()); // closed, and nothing started
    EXPECT_EQ(2, Current());
    EXPECT_EQ(2, view.redraws); // the advance to the silent entry (shown as it ended), the stop
    EXPECT_EQ(0, view.noSoundMessages);
    // The user asks again: a new pass.
    EXPECT_TRUE(controller.PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ(Path(2), decoder.OpenPath());
    endWithoutSound();
    EXPECT_EQ(Path(0), decoder.OpenPath());
}

TEST_F(PlayerControllerTest, WithoutASoundDeviceTheUserIsToldAndPlayTriesAgain) {
    Fill(3);
    decoder.noDevice = true;
    EXPECT_TRUE(controller.PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ(1, view.noSoundMessages);
    EXPECT_EQ(0, Current()); // the entry stays current
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    EXPECT_TRUE(controller.PlayerControl(PC_PLAYPAUSE)); // tries again, and says so again
    EXPECT_EQ(2, view.noSoundMessages);
    EXPECT_EQ(0, Current());
    decoder.noDevice = false;
    EXPECT_TRUE(controller.PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    // An automatic advance never asks: nobody pressed anything.
    decoder.noDevice = true;
    decoder.EndTrack();
    controller.OnDecoderNotify(IDecoder::NOTIFY_END, 1);
    EXPECT_EQ(1, Current());
    EXPECT_EQ(2, view.noSoundMessages);
}

TEST_F(PlayerControllerTest, ADeviceThatFailsWhilePlayingStopsThePlayer) {
    Fill(3);
    StartPlaying(1);
    decoder.FailDevice();
    controller.OnDecoderNotify(IDecoder::NOTIFY_FAILED, 0);
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    EXPECT_EQ("", decoder.OpenPath());
    EXPECT_EQ(1, view.redraws); // the skin shows stopped
    ASSERT_EQ(1u, view.ticker.size());
    EXPECT_EQ(0, view.ticker[0].elapsedSec);
    EXPECT_EQ(0, view.noSoundMessages);
    EXPECT_TRUE(controller.PlayerControl(PC_PLAYPAUSE)); // the next press plays again
    EXPECT_EQ(Path(1), decoder.OpenPath());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
}

TEST_F(PlayerControllerTest, OtherNotificationsCarryTheElapsedTimeToTheTicker) {
    Fill(3);
    StartPlaying(2);
    controller.OnDecoderNotify(1, 61);
    ASSERT_EQ(1u, view.ticker.size());
    EXPECT_EQ(2, view.ticker[0].index);
    EXPECT_EQ(1, view.ticker[0].code);
    EXPECT_EQ(61, view.ticker[0].elapsedSec);
    EXPECT_FALSE(view.ticker[0].forceRefresh);
    EXPECT_TRUE(view.editor.empty());
    EXPECT_EQ(0, view.redraws);
    EXPECT_TRUE(decoder.Calls().empty());
}

TEST_F(PlayerControllerTest, SeeksMoveWithinThePlayingOrPausedTrackAndPastItsEndMoveOn) {
    Fill(3);
    EXPECT_FALSE(controller.Seek(5000)); // stopped: nothing at all
    EXPECT_TRUE(decoder.Calls().empty());

    StartPlaying(1);
    decoder.elapsedSec = 12;
    ASSERT_TRUE(controller.Seek(5000));
    EXPECT_EQ((Calls{"StopCallback", "Seek(17000)", "StartCallback"}), decoder.Calls());
    // The notices of the old place are stale; the ticker shows the new one at once.
    EXPECT_EQ(1, view.trackChanges);
    ASSERT_EQ(1u, view.ticker.size());
    EXPECT_EQ(1, view.ticker[0].index);
    EXPECT_EQ(17, view.ticker[0].elapsedSec);

    ASSERT_TRUE(controller.PlayerControl(PC_PLAYPAUSE));
    decoder.ClearCalls();
    ASSERT_TRUE(controller.Seek(-30000)); // paused, and before the start: to 0, still paused
    EXPECT_EQ((Calls{"StopCallback", "Seek(0)", "StartCallback"}), decoder.Calls());
    EXPECT_EQ(IDecoder::STATE_PAUSED, decoder.State());
    EXPECT_EQ(0, view.ticker.back().elapsedSec);

    ASSERT_TRUE(controller.PlayerControl(PC_PLAYPAUSE));
    decoder.elapsedSec = 58;
    decoder.ClearCalls();
    const size_t told = view.ticker.size();
    ASSERT_TRUE(controller.Seek(5000)); // past the 60 s end: the track ends as at its end
    EXPECT_EQ(told, view.ticker.size());
    controller.OnDecoderNotify(IDecoder::NOTIFY_END, 1);
    EXPECT_EQ(2, Current());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
}

} // namespace
