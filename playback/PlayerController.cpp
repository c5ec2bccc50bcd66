#include "playback/PlayerController.h"

#include <algorithm>
#include <climits>

namespace {
// The previous button starts the current entry again once this much of it has played.
constexpr int kRestartAfterSec = 2;
} // namespace

CPlayerController::CPlayerController(IDecoder& decoder, CPlaylist& playlist, IPlayerView& view,
                                     INotificationQueue& queue)
    : m_decoder(decoder), m_playlist(playlist), m_view(view), m_queue(queue) {}

bool CPlayerController::TakeEntry(int nCode, int state, int elapsedSec, int* pIndex,
                                  CTrackEntry* pEntry) {
    switch (nCode) {
    case PC_PREV:
        // Only an entry still in the list starts again; while a removed one plays on, previous
        // goes to the entry before its place.
        if (elapsedSec >= kRestartAfterSec && m_playlist.GetCurrent(pIndex, pEntry)) return true;
        return m_playlist.MovePrev(pIndex, pEntry);
    case PC_NEXT:
    case PC_NEXTPLAY:
        return m_playlist.MoveNext(pIndex, pEntry);
    case PC_PREVPLAY:
        return m_playlist.MovePrev(pIndex, pEntry);
    case PC_PLAYPAUSE:
        if (m_playlist.GetCurrent(pIndex, pEntry)) return true;
        // No current entry: pause and resume act on a removed entry's track as it plays on; a
        // start plays the entry that took its place.
        return state == IDecoder::STATE_STOPPED && m_playlist.TakeCurrent(pIndex, pEntry);
    case PC_PLAYCURRENT:
        return m_playlist.TakeCurrent(pIndex, pEntry);
    default:
        return m_playlist.GetCurrent(pIndex, pEntry);
    }
}

void CPlayerController::CloseTrack(bool silence) {
    if (silence) m_decoder.Stop();
    m_decoder.Close();
    m_bTrackOpen = false;
    m_queue.TrackChanging();
}

CPlayerController::StartResult CPlayerController::StartTrack(const std::string& path,
                                                             bool afterEnd) {
    CloseTrack(!afterEnd);
    if (!m_decoder.Open(path)) return StartResult::OpenFailed;
    m_bTrackOpen = m_decoder.Play();
    return m_bTrackOpen ? StartResult::Playing : StartResult::NoSound;
}

bool CPlayerController::EndThenPause() {
    // The advance the end notice would make (what the device still plays of the track goes on
    // after the pause), then the pause, which holds that end and the next track alike.
    if (!Command(PC_NEXTPLAY, true)) return false;
    // The next track may not have started (its file missing): then there is nothing to pause.
    if (m_decoder.GetState(nullptr) != IDecoder::STATE_PLAYING) return true;
    return PlayerControl(PC_PLAYPAUSE);
}

bool CPlayerController::PlayerControl(int nCode) {
    return Command(nCode, false);
}

bool CPlayerController::Command(int nCode, bool automatic) {
    ShowPendingOutcome();
    int elapsedSec = 0;
    int state = m_decoder.GetState(&elapsedSec);
    const int oldIndex = m_playlist.GetCurrentIndex();
    if (nCode < PC_PLAYPAUSE || nCode > PC_PLAYCURRENT) return false;
    if (!automatic) m_nSilentEnds = 0; // the user asks: a new pass over the list

    // The decoder reports stopped as soon as the open track has played to its end, before its
    // end notice arrives. Until the notice is handled the track still counts as playing, so
    // that a command given in between acts on it instead of being undone by the notice (which
    // the track change then makes stale). All of the track has played: "previous" starts it
    // again.
    if (state == IDecoder::STATE_STOPPED && m_bTrackOpen) {
        if (nCode == PC_PLAYPAUSE) return EndThenPause();
        state = IDecoder::STATE_PLAYING;
        elapsedSec = kRestartAfterSec;
    }

    int index = -1; // stays -1 when the list has no entry to take
    CTrackEntry entry;
    const bool haveEntry = TakeEntry(nCode, state, elapsedSec, &index, &entry);
    if (nCode == PC_PLAYPAUSE && state == IDecoder::STATE_PLAYING) nCode = PC_PAUSE;
    if (nCode == PC_PLAYPAUSE && state == IDecoder::STATE_PAUSED) nCode = PC_RESUME;
    // Stop, pause and resume act on whatever the decoder has open, entry or not.
    if (!haveEntry && nCode != PC_STOP && nCode != PC_PAUSE && nCode != PC_RESUME) return false;

    // The decoder's own notification must not come in while its state changes.
    m_decoder.StopCallback();
    bool startsTrack = false;
    switch (nCode) {
    case PC_STOP:
        if (state != IDecoder::STATE_STOPPED) {
            CloseTrack(true);
            elapsedSec = 0;
        }
        break;
    case PC_PAUSE:
        m_decoder.Pause();
        break;
    case PC_RESUME:
        m_decoder.Restart();
        break;
    case PC_PREV:
    case PC_NEXT:
        startsTrack = state != IDecoder::STATE_STOPPED; // stopped: only the index moves
        break;
    default: // PC_PLAYPAUSE while stopped, PC_NEXTPLAY, PC_PREVPLAY, PC_PLAYCURRENT
        startsTrack = true;
        break;
    }
    bool noSound = false;
    bool asked = false; // the missing-file question ran a message loop: the list may have changed
    if (startsTrack) {
        // A new track starts at its beginning, whatever the one before had played.
        elapsedSec = 0;
        const StartResult started = StartTrack(entry.m_strPath, automatic);
        asked = started == StartResult::OpenFailed;
        if (asked && m_view.AskRemoveMissingFile(entry.m_strPath)) {
            m_playlist.RemoveAt(index);
            m_decoder.StartCallback();
            m_view.PlaylistChanged();
            return false;
        }
        noSound = started == StartResult::NoSound;
    }
    const CTrackEntry* taken = haveEntry && !asked ? &entry : nullptr;
    if (automatic && startsTrack && m_bTrackOpen) {
        // Before notifications resume: the new track's first notice shows it.
        m_pendingOutcome = MakeOutcome(index, oldIndex, elapsedSec, taken);
        m_decoder.StartCallback();
        return true;
    }
    m_decoder.StartCallback();
    ShowOutcome(index, oldIndex, elapsedSec, taken);
    // The entry stays current; the next press of play tries again. An automatic advance never
    // asks: nobody pressed anything.
    if (noSound && !automatic) m_view.ShowNoSoundDevice();
    return true;
}

bool CPlayerController::Seek(int deltaMs) {
    ShowPendingOutcome();
    int position = 0;
    // Stopped, or at its end while its last moment still sounds: nothing to move in.
    if (!m_decoder.GetPosition(&position)) return false;
    const long long target = static_cast<long long>(position) + deltaMs;
    m_decoder.StopCallback();
    const bool moved = m_decoder.Seek(static_cast<int>(std::clamp<long long>(target, 0, INT_MAX)));
    // What the decoder said of the old place and has not been handled yet would show it again.
    if (moved) m_queue.TrackChanging();
    int elapsedSec = 0;
    const int state = m_decoder.GetState(&elapsedSec);
    m_decoder.StartCallback();
    // Past the end the track has ended: its end notice, on its way, moves on.
    if (moved && state != IDecoder::STATE_STOPPED)
        m_view.TellTicker(m_playlist.Current(), IDecoder::NOTIFY_ELAPSED, elapsedSec);
    return moved;
}

void CPlayerController::ShowOutcome(int index, int oldIndex, int elapsedSec,
                                    const CTrackEntry* current) {
    m_view.ShowOutcome(MakeOutcome(index, oldIndex, elapsedSec, current));
}

void CPlayerController::ShowPendingOutcome() {
    if (!m_pendingOutcome) return;
    const CPlayerOutcome outcome = std::move(*m_pendingOutcome);
    m_pendingOutcome.reset();
    m_view.ShowOutcome(outcome);
}

CPlayerOutcome CPlayerController::MakeOutcome(int index, int oldIndex, int elapsedSec,
                                              const CTrackEntry* current) {
    CPlayerOutcome outcome;
    if (current) {
        outcome.current.nIndex = index;
        outcome.current.entry = *current;
    } else {
        outcome.current = m_playlist.Current();
    }
    outcome.nIndex = index;
    outcome.nOldIndex = oldIndex;
    outcome.nElapsedSec = elapsedSec;
    outcome.nPlayerState = m_decoder.GetState(nullptr);
    return outcome;
}

void CPlayerController::OnTrackEnded(bool playedSound) {
    m_nSilentEnds = playedSound ? 0 : m_nSilentEnds + 1;
    if (m_playlist.GetCount() > 0 && m_nSilentEnds >= m_playlist.GetCount()) {
        // A whole pass over the list without a sound: no entry holds playable audio (or the
        // list is empty). Stop rather than cycle through it for ever.
        Command(PC_STOP, true);
    } else {
        // After the last entry comes the first: the list repeats without end.
        Command(PC_NEXTPLAY, true);
    }
}

void CPlayerController::OnDecoderNotify(int code, int value) {
    ShowPendingOutcome(); // any notice of the new track: it is heard
    if (code == IDecoder::NOTIFY_END) return OnTrackEnded(value != 0);
    if (code == IDecoder::NOTIFY_FAILED) {
        // The device failed and playing has stopped: show it, and let play start afresh.
        Command(PC_STOP, true);
        return;
    }
    m_view.TellTicker(m_playlist.Current(), code, value);
}
