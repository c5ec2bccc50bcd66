// Files dropped on the player (or given on its command line).
#include "playback/PlayerController.h"

#include "playlist/AddFiles.h"

void CPlayerController::AddDroppedFiles(const std::vector<std::string>& paths) {
    ShowPendingOutcome();
    // One box per file that cannot be taken; the others are still taken.
    const CAddedFiles added =
        AddFiles(m_playlist, m_decoder, paths, AfterProblem::Continue, [this](FileProblem problem) {
            if (problem == FileProblem::UnusableName)
                m_view.ShowUnusableName();
            else
                m_view.ShowOpenError();
            return true;
        });
    if (added.paths.empty()) return; // nothing new: whatever plays goes on undisturbed

    m_playlist.Save();
    m_view.PlaylistChanged();
    const int oldIndex = m_playlist.GetCurrentIndex();
    m_decoder.StopCallback();
    CloseTrack(true);
    m_decoder.StartCallback();
    // The message boxes above ran message loops, in which the player may have removed entries
    // (a missing file at the end of a track): the first new entry still listed plays.
    const int firstAdded = added.nFirstIndex;
    if (firstAdded == -1) return;
    m_playlist.SetCurrentIndex(firstAdded);
    // A file that reads as MP3 but cannot be played simply does not play, without a message.
    const bool opened = m_decoder.Open(added.paths[added.nFirst]);
    if (opened) {
        m_decoder.StopCallback();
        m_bTrackOpen = m_decoder.Play();
        m_decoder.StartCallback();
    }
    m_nSilentEnds = 0;
    // Show the new state at once, as after any player command.
    ShowOutcome(firstAdded, oldIndex, 0, nullptr);
    if (opened && !m_bTrackOpen) m_view.ShowNoSoundDevice();
}
