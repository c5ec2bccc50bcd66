#include "vbmp3/playback/PlaybackSession.h"

#include <process.h>

#include <algorithm>
#include <vector>

#include "vbmp3/playback/DecodedStream.h"
#include "vbmp3/playback/HeardTime.h"
#include "vbmp3/playback/ThreadName.h"

namespace vbmp3 {
namespace {

// The longest the thread sleeps without a reason to wake: while paused, or when the next whole
// second is further off than that.
constexpr DWORD kIdleWakeMs = 1000;

// The file's elapsed seconds as the device plays them, reported as they change, and once when the
// file's first sample is heard (0). The device may still be playing the end of the file before,
// so the file's frames count from where its first frame is written: the device's count of
// written frames when the file (or a device reopened for a new format) started.
class HeardReporter {
public:
    HeardReporter(PlaybackEvents& events, std::atomic<int>& heardMs,
                  std::uint64_t startMicroseconds)
        : m_events(events), m_nHeardMs(heardMs), m_heard(startMicroseconds) {}

    void StartSegment(AudioOutput& output) {
        m_heard.StartSegment(output.Format().sampleRate);
        m_nSegmentStart = output.WrittenFrames();
    }
    void Update(AudioOutput& output, bool paused) {
        std::uint64_t frames = 0;
        // Nothing is heard before the play has written something (a seek past the end never
        // does), nor until the device has played all that came before the file; then its first
        // sample sounds. A play that starts paused (a seek in a paused file) is first heard when
        // it is resumed.
        if (output.WrittenFrames() <= m_nSegmentStart) return;
        if (!output.PlayedFrames(frames) || frames < m_nSegmentStart) return;
        if (paused && m_nReported < 0) return;
        m_heard.SetPlayedFrames(frames - m_nSegmentStart);
        const int seconds = m_heard.WholeSeconds();
        m_nHeardMs = Milliseconds();
        if (seconds != m_nReported) {
            m_nReported = seconds;
            m_events.ElapsedChanged(seconds);
        }
    }
    // Every frame of the file has gone to the device: its time is all of them, as it will be
    // heard once the device has played them.
    void AllWritten(AudioOutput& output) {
        m_heard.SetPlayedFrames(output.WrittenFrames() - m_nSegmentStart);
        m_nHeardMs = Milliseconds();
    }
    DWORD MillisecondsToNextSecond() const {
        return static_cast<DWORD>(m_heard.MillisecondsToNextSecond());
    }

private:
    int Milliseconds() const { return static_cast<int>(m_heard.Microseconds() / 1000); }

    PlaybackEvents& m_events;
    std::atomic<int>& m_nHeardMs; // the session's, read by vbmp3_getState and getPosition
    HeardTime m_heard;
    std::uint64_t m_nSegmentStart = 0;
    int m_nReported = -1; // none yet: the first, 0, comes as the first sample is heard
};

} // namespace

PlaybackSession::PlaybackSession(ByteSource& file, const StreamFacts& facts, const PlayStart& start,
                                 FrameIndex& index, std::unique_ptr<AudioOutput> output,
                                 OutputOpener reopen, PlaybackEvents& events, DWORD stallTimeoutMs)
    : m_file(file), m_facts(facts), m_start(start), m_index(index), m_reopen(std::move(reopen)),
      m_events(events), m_nStallTimeoutMs(stallTimeoutMs), m_output(std::move(output)),
      m_phase(start.paused ? Phase::Paused : Phase::Playing),
      m_nHeardMs(static_cast<int>(start.heardMicroseconds / 1000)), m_stop(MakeEvent(true, false)),
      m_resumed(MakeEvent(false, false)) {}

PlaybackSession::~PlaybackSession() {
    Stop();
}

bool PlaybackSession::Start() {
    if (m_thread || !m_stop || !m_resumed || !m_output) return false;
    // Before the first write, so that nothing of a paused start sounds.
    if (m_phase.load() == Phase::Paused) m_output->Pause();
    m_thread.Reset(
        reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &ThreadMain, this, 0, nullptr)));
    return static_cast<bool>(m_thread);
}

void PlaybackSession::Stop() {
    if (!m_thread) return;
    ::SetEvent(m_stop.Get());
    ::WaitForSingleObject(m_thread.Get(), INFINITE);
    m_thread.Reset();
}

void PlaybackSession::WaitForEnd() {
    if (m_thread) ::WaitForSingleObject(m_thread.Get(), INFINITE);
}

bool PlaybackSession::Pause() {
    return SwitchPause(Phase::Playing, Phase::Paused);
}

bool PlaybackSession::Resume() {
    return SwitchPause(Phase::Paused, Phase::Playing);
}

bool PlaybackSession::SwitchPause(Phase from, Phase to) {
    std::lock_guard<std::mutex> lock(m_outputLock);
    if (m_phase.load() != from || !m_output) return false;
    if (to == Phase::Paused)
        m_output->Pause();
    else
        m_output->Resume();
    m_phase = to;
    if (to == Phase::Playing) ::SetEvent(m_resumed.Get());
    return true;
}

void PlaybackSession::SetVolume(std::uint16_t level) {
    std::lock_guard<std::mutex> lock(m_outputLock);
    if (m_output) m_output->SetVolume(level);
}

std::unique_ptr<AudioOutput> PlaybackSession::TakeOutput() {
    return std::move(m_output);
}

bool PlaybackSession::Reopen(const PcmFormat& format) {
    std::lock_guard<std::mutex> lock(m_outputLock);
    m_output.reset(); // the device of the old format goes first: there may be only one
    m_output = m_reopen(format);
    if (!m_output) {
        m_phase = Phase::Failed;
        return false;
    }
    if (m_phase.load() == Phase::Paused) m_output->Pause();
    return true;
}

void PlaybackSession::Finish(Phase phase) {
    std::lock_guard<std::mutex> lock(m_outputLock);
    m_phase = phase;
}

void PlaybackSession::Fail() {
    Finish(Phase::Failed);
    m_events.Failed();
}

void PlaybackSession::Run() {
    DecodedStream stream(m_file, m_facts, m_start.decodeFrom, m_start.trim, &m_index);
    HeardReporter heard(m_events, m_nHeardMs, m_start.heardMicroseconds);
    heard.StartSegment(*m_output);

    std::vector<std::int16_t> pcm(kBufferFrames * 2);
    std::size_t heldFrames = 0; // decoded into pcm, not written yet
    PcmFormat heldFormat;
    bool decoded = false;
    bool playedSound = m_start.afterSeek; // a sample of the file went to the device
    int queuedBefore = 0;
    DWORD lastProgress = ::GetTickCount();

    for (;;) {
        if (::WaitForSingleObject(m_stop.Get(), 0) == WAIT_OBJECT_0) return;
        const int queued = m_output->QueuedBuffers();
        if (queued < queuedBefore || m_phase.load() != Phase::Playing)
            lastProgress = ::GetTickCount();
        else if (queued > 0 && ::GetTickCount() - lastProgress > m_nStallTimeoutMs)
            return Fail();
        queuedBefore = queued;
        heard.Update(*m_output, m_phase.load() == Phase::Paused);

        // Wine starts a paused device that holds nothing as soon as it is written to: a play
        // that starts paused (a seek in a paused file), or a pause at the very end, writes on
        // only once resumed.
        const bool holdWrites = queued == 0 && m_phase.load() == Phase::Paused;
        if (!decoded && queued < kOutputBuffers && !(holdWrites && heldFrames > 0)) {
            if (heldFrames == 0) {
                heldFrames = stream.Read(pcm.data(), kBufferFrames, heldFormat);
                decoded = heldFrames == 0;
                continue;
            }
            if (heldFormat == m_output->Format()) {
                if (!m_output->Write(pcm.data(), heldFrames)) return Fail();
                heldFrames = 0;
                playedSound = true;
                ++queuedBefore;
                continue;
            }
            if (queued == 0) { // a new format, and the old one has played out
                if (!Reopen(heldFormat)) return m_events.Failed();
                heard.StartSegment(*m_output);
                continue;
            }
        }
        if (decoded) {
            // The device still plays the end (at most kOutputBuffers buffers): the next file
            // that the caller plays now is written behind it, without a gap. A stop silences it.
            heard.AllWritten(*m_output);
            Finish(Phase::Ended);
            m_events.Ended(playedSound);
            return;
        }

        const DWORD timeout = m_phase.load() == Phase::Playing
                                  ? std::min(kIdleWakeMs, heard.MillisecondsToNextSecond())
                                  : kIdleWakeMs;
        const HANDLE wakes[3] = {m_stop.Get(), m_output->BufferDoneEvent(), m_resumed.Get()};
        if (::WaitForMultipleObjects(3, wakes, FALSE, timeout) == WAIT_OBJECT_0) return;
    }
}

unsigned __stdcall PlaybackSession::ThreadMain(void* self) {
    NameThisThread(kPlaybackThreadName);
    PlaybackSession& session = *static_cast<PlaybackSession*>(self);
    try {
        session.Run();
    } catch (...) {
        // Memory ran out, or a device threw: the play ends as on a failed device, and nothing
        // unwinds past the thread's start.
        try {
            session.Fail();
        } catch (...) {
        }
    }
    return 0;
}

} // namespace vbmp3
