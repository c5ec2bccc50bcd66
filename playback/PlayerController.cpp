#include "playback/PlayerController.h"

namespace {
// The previous button starts the current entry again once this much of it has played.
constexpr int kRestartAfterSec = 2;
} // namespace

CPlayerController::CPlayerController(IDecoder& decoder, CPlaylist& playlist, IPlayerView& view)
    : m_decoder(decoder), m_playlist(playlist), m_view(view) {}

bool CPlayerController::TakeEntry(int nCode, int elapsedSec, int* pIndex, CTrackEntry* pEntry) {
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
        return m_decoder.GetState(nullptr) == IDecoder::STATE_STOPPED &&
               m_playlist.TakeCurrent(pIndex, pEntry);
    case PC_PLAYCURRENT:
        return m_playlist.TakeCurrent(pIndex, pEntry);
    default:
        return m_playlist.GetCurrent(pIndex, pEntry);
    }
}

void CPlayerController::CloseTrack() {
    m_decoder.Stop();
    m_decoder.Close();
    m_view.TrackChanging();
}

bool CPlayerController::StartTrack(const std::string& path) {
    CloseTrack();
    if (!m_decoder.Open(path)) return false;
    m_decoder.Play();
    return true;
}

bool CPlayerController::PlayerControl(int nCode) {
    int elapsedSec = 0;
    const int state = m_decoder.GetState(&elapsedSec);
    const int oldIndex = m_playlist.GetCurrentIndex();
    if (nCode < PC_PLAYPAUSE || nCode > PC_PLAYCURRENT) return false;

    int index = -1; // stays -1 when the list has no entry to take
    CTrackEntry entry;
    const bool haveEntry = TakeEntry(nCode, elapsedSec, &index, &entry);
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
            CloseTrack();
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
    if (startsTrack) {
        // A new track starts at its beginning, whatever the one before had played.
        elapsedSec = 0;
        if (!StartTrack(entry.m_strPath) && m_view.AskRemoveMissingFile(entry.m_strPath)) {
            m_playlist.RemoveAt(index);
            m_decoder.StartCallback();
            m_view.PlaylistChanged();
            return false;
        }
    }
    m_decoder.StartCallback();
    ShowOutcome(index, oldIndex, elapsedSec);
    return true;
}

void CPlayerController::ShowOutcome(int index, int oldIndex, int elapsedSec) {
    m_view.TellTicker(index, 0, elapsedSec, true);
    m_view.TellEditor(index, oldIndex);
    m_view.RedrawSkin();
}

void CPlayerController::OnDecoderNotify(int code, int value) {
    if (code == IDecoder::NOTIFY_END) {
        // After the last entry comes the first: the list repeats without end.
        PlayerControl(PC_NEXTPLAY);
        return;
    }
    int index = -1;
    CTrackEntry entry;
    m_playlist.GetCurrent(&index, &entry);
    m_view.TellTicker(index, code, value, false);
}
