// The library's one decoder: the open file, the play of it, and the output device, which stays
// open from one file to the next while their format is the same: a file is at its end once its
// last sample is written to the device, and the next one played then is written behind it, so
// that the two join without a gap. Not thread-safe: Library serialises the calls.
#ifndef VBMP3_PLAYBACK_PLAYER_H
#define VBMP3_PLAYBACK_PLAYER_H

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>

#include "vbmp3/playback/AudioOutput.h"
#include "vbmp3/playback/PlayableFile.h"
#include "vbmp3/playback/PlaybackEvents.h"
#include "vbmp3/playback/PlayStart.h"
#include "vbmp3/playback/PlaybackSession.h"
#include "vbmp3/playback/Volume.h"
#include "vbmp3/vbmp3.h"

namespace vbmp3 {

// The player's states as vbmp3_getState reports them.
enum PlayerState {
    kStateStopped = VBMP3_STATE_STOPPED,
    kStatePlaying = VBMP3_STATE_PLAYING,
    kStatePaused = VBMP3_STATE_PAUSED,
};

class Player {
public:
    Player(OutputOpener openOutput, PlaybackEvents& events, DWORD stallTimeoutMs = kStallTimeoutMs);
    ~Player(); // stops playing, closes the file and the device

    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // The vbmp3_* functions of the same names (Position: vbmp3_getPosition); their contracts are
    // in vbmp3.h.
    bool Open(const char* path);
    void Close();
    bool Play();
    void Stop();
    bool Pause();
    bool Restart();
    PlayerState State(int& elapsedSec) const;
    bool Seek(std::int32_t milliseconds);
    bool Position(std::int32_t& milliseconds) const;
    void SetVolume(std::int32_t percent);

private:
    // Plays the open file from `start` on the device kept (or one opened for the file's format).
    bool StartSession(const PlayStart& start);
    // The opener the sessions get: the device opens at the player's volume, before any write.
    std::unique_ptr<AudioOutput> OpenAtVolume(const PcmFormat& format) const;
    // Ends the play (the playback thread) and keeps its device for the next one: idle, or still
    // playing the last buffers of a file that has ended.
    void EndSession();
    // Drops what the device still plays: the stopped device is silent at once.
    void Silence();

    // The device level (Volume.h); the sessions' threads read it when they reopen the device.
    std::atomic<std::uint16_t> m_nVolumeLevel{kFullVolumeLevel};
    const OutputOpener m_openDevice; // as given: at the system's volume
    const OutputOpener m_openOutput; // OpenAtVolume
    PlaybackEvents& m_events;        // not owned
    const DWORD m_nStallTimeoutMs;
    // Teardown order: the play goes before the device it borrows and the file it reads.
    std::unique_ptr<PlayableFile> m_file;
    std::unique_ptr<AudioOutput> m_output; // idle; lent to the session while one exists
    std::unique_ptr<PlaybackSession> m_session;
};

} // namespace vbmp3

#endif
