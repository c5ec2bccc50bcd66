#include "vbmp3/playback/Player.h"

namespace vbmp3 {

Player::Player(OutputOpener openOutput, PlaybackEvents& events, DWORD stallTimeoutMs)
    : m_openOutput(std::move(openOutput)), m_events(events), m_nStallTimeoutMs(stallTimeoutMs) {}

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
    const PcmFormat format = m_file->Format();
    // A device of another format that still plays the end of the file before goes to the new
    // play, which reopens it for its own format once that end has played out.
    if (m_output && m_output->Format() != format && m_output->QueuedBuffers() == 0)
        m_output.reset();
    if (!m_output) m_output = m_openOutput(format);
    if (!m_output) return false;
    auto session =
        std::make_unique<PlaybackSession>(m_file->Source(), m_file->Facts(), std::move(m_output),
                                          m_openOutput, m_events, m_nStallTimeoutMs);
    if (!session->Start()) {
        m_output = session->TakeOutput();
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
