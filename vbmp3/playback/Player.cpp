#include "vbmp3/playback/Player.h"

namespace vbmp3 {

Player::Player(OutputOpener openOutput, PlaybackEvents& events, DWORD stallTimeoutMs)
    : m_openDevice(std::move(openOutput)),
      m_openOutput([this](const PcmFormat& format) { return OpenAtVolume(format); }),
      m_events(events), m_nStallTimeoutMs(stallTimeoutMs) {}

std::unique_ptr<AudioOutput> Player::OpenAtVolume(const PcmFormat& format) const {
    std::unique_ptr<AudioOutput> output = m_openDevice(format);
    if (output) output->SetVolume(m_nVolumeLevel.load());
    return output;
}

Player::~Player() {
    EndSession();
}

void Player::EndSession() {
    if (!m_session) return;
    m_session->Stop();
    const PlaybackSession::Phase phase = m_session->CurrentPhase();
    m_output = m_session->TakeOutput();
    m_session.reset();
    m_events.DiscardPending();
    if (phase == PlaybackSession::Phase::Failed)
        m_output.reset(); // opened afresh for the next file
    else if (m_output && phase != PlaybackSession::Phase::Ended)
        m_output->Reset();
    // A file that has ended left the device unpaused, still playing its last buffers: the next
    // file is written behind them. Only Stop silences them.
}

void Player::Silence() {
    if (m_output && m_output->QueuedBuffers() > 0) m_output->Reset();
}

bool Player::Open(const char* path) {
    std::unique_ptr<PlayableFile> file = PlayableFile::Open(path);
    if (!file) return false;
    EndSession();
    m_file = std::move(file);
    return true;
}

void Player::Close() {
    EndSession();
    m_file.reset();
}

bool Player::Play() {
    if (!m_file) return false;
    EndSession();
    return StartSession(StartOfFile(m_file->Facts()));
}

bool Player::StartSession(const PlayStart& start) {
    const PcmFormat format = m_file->Format();
    // A device of another format that still plays the end of the file before goes to the new
    // play, which reopens it for its own format once that end has played out.
    if (m_output && m_output->Format() != format && m_output->QueuedBuffers() == 0)
        m_output.reset();
    if (!m_output) m_output = m_openOutput(format);
    if (!m_output) return false;
    auto session = std::make_unique<PlaybackSession>(m_file->Source(), m_file->Facts(), start,
                                                     m_file->Index(), std::move(m_output),
                                                     m_openOutput, m_events, m_nStallTimeoutMs);
    if (!session->Start()) {
        m_output = session->TakeOutput();
        if (m_output && start.paused) m_output->Reset(); // not left paused for the next play
        return false;
    }
    m_session = std::move(session);
    return true;
}

void Player::Stop() {
    EndSession();
    Silence();
}

bool Player::Pause() {
    return m_session && m_session->Pause();
}

bool Player::Restart() {
    return m_session && m_session->Resume();
}

bool Player::Seek(std::int32_t milliseconds) {
    if (!m_session) return false;
    const PlaybackSession::Phase phase = m_session->CurrentPhase();
    if (phase != PlaybackSession::Phase::Playing && phase != PlaybackSession::Phase::Paused)
        return false;
    // The play ends and the device drops what it held of the old place (and of the file before);
    // with the playback thread gone, the file's index is free to extend. A play that reached its
    // end meanwhile left its last buffers playing: they go too.
    EndSession();
    Silence();
    std::optional<PlayStart> start =
        SeekTo(m_file->Facts(), m_file->Index(), m_file->Source(), milliseconds);
    if (!start) {
        // Ends as at its own end, by a play that has nothing left to decode; waited for, so
        // that the caller finds the file ended (state 0) when this returns.
        if (!StartSession(EndOfFile(m_file->Facts()))) return false;
        m_session->WaitForEnd();
        return true;
    }
    start->paused = phase == PlaybackSession::Phase::Paused;
    return StartSession(*start);
}

bool Player::Position(std::int32_t& milliseconds) const {
    int seconds = 0;
    if (State(seconds) == kStateStopped) return false;
    milliseconds = m_session->HeardMilliseconds();
    return true;
}

void Player::SetVolume(std::int32_t percent) {
    const std::uint16_t level = VolumeLevel(percent);
    m_nVolumeLevel = level;
    // The device in use is the session's while one exists; a session that reopens the device
    // meanwhile opens it at the new level.
    if (m_session) m_session->SetVolume(level);
    if (m_output) m_output->SetVolume(level);
}

PlayerState Player::State(int& elapsedSec) const {
    if (!m_session) {
        elapsedSec = 0;
        return kStateStopped;
    }
    elapsedSec = m_session->ElapsedSeconds();
    switch (m_session->CurrentPhase()) {
    case PlaybackSession::Phase::Playing:
        return kStatePlaying;
    case PlaybackSession::Phase::Paused:
        return kStatePaused;
    default: // played to its end, or the device failed
        return kStateStopped;
    }
}

} // namespace vbmp3
