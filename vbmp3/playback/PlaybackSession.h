// One play of one file: the playback thread, from vbmp3_play to the end of the file (its last
// sample written to the device) or to vbmp3_stop. It decodes ahead into the output's buffers,
// keeps them queued, follows what the device has played and reports the elapsed seconds and the
// end.
#ifndef VBMP3_PLAYBACK_PLAYBACKSESSION_H
#define VBMP3_PLAYBACK_PLAYBACKSESSION_H

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "vbmp3/core/ByteSource.h"
#include "vbmp3/core/MpegStream.h"
#include "vbmp3/playback/AudioOutput.h"
#include "vbmp3/playback/FrameIndex.h"
#include "vbmp3/playback/PlayStart.h"
#include "vbmp3/playback/PlaybackEvents.h"
#include "vbmp3/playback/UniqueHandle.h"

namespace vbmp3 {

// A device that has buffers queued, is not paused and gives none back for this long has failed
// (a sound card pulled out): the file ends as stopped.
constexpr DWORD kStallTimeoutMs = 5000;

class PlaybackSession {
public:
    enum class Phase { Playing, Paused, Ended, Failed };

    // Plays `file` (measured as `facts`) from `start` on `output`, written behind what it still
    // plays of the file before; `reopen` gives a device for another format (the file's first, when
    // `output` was left open for another, or a change inside the file) once `output` has played
    // out. The frames decoded are noted in `index`. The file, the index, the opener's state and
    // `events` must outlive the session.
    PlaybackSession(ByteSource& file, const StreamFacts& facts, const PlayStart& start,
                    FrameIndex& index, std::unique_ptr<AudioOutput> output, OutputOpener reopen,
                    PlaybackEvents& events, DWORD stallTimeoutMs);
    ~PlaybackSession(); // Stop()
    PlaybackSession(const PlaybackSession&) = delete;
    PlaybackSession& operator=(const PlaybackSession&) = delete;

    // Starts the playback thread; false when it cannot be created.
    bool Start();
    // Ends the playback thread and waits for it. Any thread but the playback thread.
    void Stop();
    // Waits for the playback thread to end by itself: for a play that has nothing to decode.
    void WaitForEnd();

    // Playing to paused and back; false in any other phase.
    bool Pause();
    bool Resume();

    Phase CurrentPhase() const { return m_phase.load(); }
    // The time of the file that the device has played, in whole seconds and in milliseconds.
    int ElapsedSeconds() const { return m_nHeardMs.load() / 1000; }
    int HeardMilliseconds() const { return m_nHeardMs.load(); }

    // The device's volume (0..0xFFFF, both channels), at once. Any thread.
    void SetVolume(std::uint16_t level);

    // The device, for the next file; after Stop. Null when it failed.
    std::unique_ptr<AudioOutput> TakeOutput();

private:
    static unsigned __stdcall ThreadMain(void* self);
    void Run();
    bool SwitchPause(Phase from, Phase to);
    bool Reopen(const PcmFormat& format);
    void Finish(Phase phase);
    // The device failed: stopped, and the caller is told.
    void Fail();

    ByteSource& m_file;
    const StreamFacts m_facts;
    const PlayStart m_start;
    FrameIndex& m_index; // the file's; written by the playback thread only while it runs
    const OutputOpener m_reopen;
    PlaybackEvents& m_events;
    const DWORD m_nStallTimeoutMs;

    // Pause, Resume and SetVolume (caller's thread) and a reopening (playback thread) meet here;
    // only the playback thread replaces m_output, so it reads it without the lock.
    std::mutex m_outputLock;
    std::unique_ptr<AudioOutput> m_output;
    std::atomic<Phase> m_phase;
    std::atomic<int> m_nHeardMs;

    UniqueHandle m_stop;    // manual-reset: the thread is to end
    UniqueHandle m_resumed; // auto-reset: the play was resumed, writing may go on
    UniqueHandle m_thread;  // between Start and Stop
};

} // namespace vbmp3

#endif
