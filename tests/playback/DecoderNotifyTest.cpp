// The decoder's notifications arrive on a thread of the library's own; the main window handles
// them on its own thread, and never one about a track that has since been replaced.
#include "tests/support/PlayerDlgFixture.h"

#include "playback/ControlCodes.h"
#include "tests/support/MessageBoxScript.h"
#include "res/resource.h"
#include "tests/support/ModalRun.h"
#include "tests/support/Pixels.h"
#include "tests/support/ShellDrop.h"

#include <thread>

namespace {

class DecoderNotify : public PlayerDlgTest {
protected:
    void SetUp() override {
        WriteIni("[VIZURE3]\r\nREGNUM=3\r\nFILENAME0000=C:\\m\\0.mp3\r\n"
                 "FILENAME0001=C:\\m\\1.mp3\r\nFILENAME0002=C:\\m\\2.mp3\r\n");
        dlg = OpenDlg();
        ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE));
        ASSERT_EQ("C:\\m\\0.mp3", decoder.OpenPath());
    }
    void TearDown() override { dlg->DestroyWindow(); }

    // What the library does: notify from its own thread.
    void NotifyFromLibraryThread(int code, int value) {
        std::thread library([this, code, value] { decoder.Notify(code, value); });
        library.join();
    }
    // The open track plays to its end on the library's thread; its end notice waits in the
    // window's queue while the test gives a command.
    void TrackEndsFromLibraryThread() {
        std::thread library([this] { decoder.EndTrack(); });
        library.join();
    }
    // Delivers an end of track from the library's thread the next time notifications are
    // switched off, at the moment before they go off: the worst moment for the player.
    void EndOfTrackJustBeforeTheTrackChanges() {
        decoder.hooks["StopCallback"] = [this] {
            decoder.hooks.erase("StopCallback");
            NotifyFromLibraryThread(IDecoder::NOTIFY_END, 1);
        };
    }

    std::unique_ptr<CPlayerDlg> dlg;
};

TEST_F(DecoderNotify, EndOfTrackIsHandledOnTheWindowThread) {
    NotifyFromLibraryThread(IDecoder::NOTIFY_END, 1);
    EXPECT_EQ("C:\\m\\0.mp3", decoder.OpenPath()); // nothing ran on the library's thread
    PumpMessages();
    EXPECT_EQ("C:\\m\\1.mp3", decoder.OpenPath());
}

TEST_F(DecoderNotify, AnEndQueuedBeforeNextCannotSkipTheTrackNextStarted) {
    EndOfTrackJustBeforeTheTrackChanges();
    ASSERT_TRUE(dlg->PlayerControl(PC_NEXT));
    ASSERT_EQ("C:\\m\\1.mp3", decoder.OpenPath());
    decoder.ClearCalls();
    PumpMessages(); // the stale end of track 0 is in the queue
    EXPECT_EQ("C:\\m\\1.mp3", decoder.OpenPath());
    EXPECT_TRUE(decoder.Calls().empty());

    // The new track's own end still counts.
    NotifyFromLibraryThread(IDecoder::NOTIFY_END, 1);
    PumpMessages();
    EXPECT_EQ("C:\\m\\2.mp3", decoder.OpenPath());
}

TEST_F(DecoderNotify, AnEndQueuedBeforeStopCannotRestartPlayback) {
    EndOfTrackJustBeforeTheTrackChanges();
    ASSERT_TRUE(dlg->PlayerControl(PC_STOP));
    PumpMessages();
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE)); // still on the first entry
    EXPECT_EQ("C:\\m\\0.mp3", decoder.OpenPath());
}

TEST_F(DecoderNotify, AnEndQueuedBeforeADropCannotSkipTheDroppedTrack) {
    const std::string dropped = folder / "new.mp3";
    decoder.fileInfo[dropped] = CFileInfo{"t", "a", 10};
    EndOfTrackJustBeforeTheTrackChanges();
    ::SendMessageA(dlg->Hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({dropped})), 0);
    ASSERT_EQ(dropped, decoder.OpenPath());
    PumpMessages();
    EXPECT_EQ(dropped, decoder.OpenPath());
    decoder.ClearCalls();
    ASSERT_TRUE(dlg->PlayerControl(PC_NEXTPLAY)); // the dropped entry (index 3) was current
    EXPECT_EQ("C:\\m\\0.mp3", decoder.OpenPath());
}

// A command given after a track has ended but before its end notice was handled acts on that
// track, and the notice is then dropped.
TEST_F(DecoderNotify, NextAsATrackEndsPlaysTheNextTrackOnce) {
    TrackEndsFromLibraryThread();
    ASSERT_TRUE(dlg->PlayerControl(PC_NEXT));
    EXPECT_EQ("C:\\m\\1.mp3", decoder.OpenPath());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    PumpMessages();
    EXPECT_EQ("C:\\m\\1.mp3", decoder.OpenPath()); // not skipped to the third
}

TEST_F(DecoderNotify, PreviousAsATrackEndsStartsThatTrackAgain) {
    TrackEndsFromLibraryThread();
    decoder.ClearCalls();
    ASSERT_TRUE(dlg->PlayerControl(PC_PREV));
    PumpMessages();
    // One start of the same track, by the command; nothing else, not a step back and then the
    // notice's step forward.
    EXPECT_EQ((std::vector<std::string>{"StopCallback", "Stop", "Close", "Open(C:\\m\\0.mp3)",
                                        "Play", "StartCallback"}),
              decoder.Calls());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
}

TEST_F(DecoderNotify, StopAsATrackEndsStaysStoppedOnIt) {
    TrackEndsFromLibraryThread();
    ASSERT_TRUE(dlg->PlayerControl(PC_STOP));
    PumpMessages();
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    EXPECT_EQ("", decoder.OpenPath()); // closed, and nothing started after
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ("C:\\m\\0.mp3", decoder.OpenPath());
}

TEST_F(DecoderNotify, PlayPauseAsATrackEndsPausesTheNextTrack) {
    TrackEndsFromLibraryThread();
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE));
    PumpMessages();
    EXPECT_EQ("C:\\m\\1.mp3", decoder.OpenPath());
    EXPECT_EQ(IDecoder::STATE_PAUSED, decoder.State());
    decoder.ClearCalls();
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE)); // plays the paused track on
    EXPECT_EQ((std::vector<std::string>{"StopCallback", "Restart", "StartCallback"}),
              decoder.Calls());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
}

TEST_F(DecoderNotify, ADeviceThatFailsWhilePlayingShowsStopped) {
    HBITMAP back = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACK));
    const uint32_t idle = ReadBitmap(back).At(60, 70); // on the play key
    ::DeleteObject(back);
    auto playKey = [this] {
        HDC dc = ::GetDC(dlg->Hwnd());
        const uint32_t shown = ReadDC(dc, 233, 206).At(60, 70);
        ::ReleaseDC(dlg->Hwnd(), dc);
        return shown;
    };
    ASSERT_NE(idle, playKey()); // lit while it plays
    std::thread library([this] { decoder.FailDevice(); });
    library.join();
    PumpMessages();
    EXPECT_EQ(idle, playKey());
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE)); // and the next press plays again
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
}

TEST_F(DecoderNotify, NotificationsAfterTheWindowIsGoneGoNowhere) {
    EXPECT_TRUE(decoder.Notify(1, 5)); // passed on while the window lives
    dlg->DestroyWindow();
    EXPECT_FALSE(decoder.Notify(IDecoder::NOTIFY_END, 1)); // and no longer

    // A player window created afterwards, on its own decoder, gets nothing from the first.
    CFakeDecoder other;
    CPlayerEnvironment env = Environment();
    env.pDecoder = &other;
    auto second = std::make_unique<CPlayerDlg>(nullptr, env);
    second->SetIniPath(iniPath);
    ASSERT_TRUE(second->Create(IDD_PLAYER, nullptr));
    other.ClearCalls();
    NotifyFromLibraryThread(IDecoder::NOTIFY_END, 1);
    EXPECT_FALSE(decoder.Notify(IDecoder::NOTIFY_END, 1));
    PumpMessages();
    EXPECT_TRUE(other.Calls().empty());
    EXPECT_EQ("", other.OpenPath());
    // Closed while its decoder lives: closing releases the decoder.
    second->DestroyWindow();
}

TEST_F(DecoderNotify, MissingFilePromptNamesThePath) {
    CMessageBoxScript boxes;
    boxes.Then(IDNO);
    decoder.failingOpens.insert("C:\\m\\1.mp3");
    EXPECT_TRUE(dlg->PlayerControl(PC_NEXT));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ(dlg->Hwnd(), boxes.Shown()[0].owner);
    EXPECT_EQ("ふぁいるのえら～だよ。", boxes.Shown()[0].caption);
    EXPECT_EQ("ふぁいるがみつかんないです。このでーた、消しますか？\n[C:\\m\\1.mp3]",
              boxes.Shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), boxes.Shown()[0].flags);
    // No keeps the entry: the next one after it is still the third.
    ASSERT_TRUE(dlg->PlayerControl(PC_NEXTPLAY));
    EXPECT_EQ("C:\\m\\2.mp3", decoder.OpenPath());
}

TEST_F(DecoderNotify, MissingFileAtTheEndOfATrackAnsweredYesDropsIt) {
    CMessageBoxScript boxes;
    boxes.Then(IDYES);
    decoder.failingOpens.insert("C:\\m\\1.mp3");
    NotifyFromLibraryThread(IDecoder::NOTIFY_END, 1);
    PumpMessages();
    EXPECT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ(IDecoder::STATE_STOPPED, decoder.State());
    // Two entries are left, and the one after the removed entry took its place.
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE));
    EXPECT_EQ("C:\\m\\2.mp3", decoder.OpenPath());
    ASSERT_TRUE(dlg->PlayerControl(PC_NEXTPLAY));
    EXPECT_EQ("C:\\m\\0.mp3", decoder.OpenPath());
}

} // namespace
