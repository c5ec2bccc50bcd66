// The player controller: every player command, the end of a track and files dropped on the
// player. The player's state is the decoder's and the position in the list is the playlist's
// current index; of its own it keeps only whether its track is open and what an advance at a
// track's end will show once the next track is heard. Platform-free.
#pragma once

#include "playback/ControlCodes.h"
#include "decoder/Decoder.h"
#include "playback/PlayerView.h"
#include "playlist/Playlist.h"

#include <optional>
#include <string>
#include <vector>

class CPlayerController {
public:
    // All four must outlive the controller; `queue` holds the decoder's notifications until
    // they are handled.
    CPlayerController(IDecoder& decoder, CPlaylist& playlist, IPlayerView& view,
                      INotificationQueue& queue);

    // Carries out one command (PC_*). True when it acted; false when it did nothing (a code
    // out of range, no entry to take) or when the user had a missing file's entry removed.
    bool PlayerControl(int nCode);

    // Moves the playing or paused track by `deltaMs` (negative: back; before its start: to its
    // start; past its end: it ends, and the end notice plays the next entry) and shows the new
    // position. False when nothing plays or is paused: nothing happens then.
    bool Seek(int deltaMs);

    // A decoder notification, on the window thread: code 4 (the track has ended) plays the
    // next entry; any other code carries the elapsed seconds to the ticker.
    void OnDecoderNotify(int code, int value);

    // Files dropped on the player, in the shell's order: each readable file that is not yet
    // listed is appended; when any was, the list is saved and the first of them plays. An empty
    // path stands for a file whose name has no code page 932 form, exact or short: it gets a
    // message of its own.
    void AddDroppedFiles(const std::vector<std::string>& paths);

private:
    // The entry a command takes from the playlist; `state` is the player's (the decoder's, or
    // playing while an ended track's notice is on its way).
    bool TakeEntry(int nCode, int state, int elapsedSec, int* pIndex, CTrackEntry* pEntry);
    // PlayerControl; `automatic` when the decoder gives the command (the end of a track), not
    // the user: nothing is then asked of the user but the missing-file question.
    bool Command(int nCode, bool automatic);
    // Play/pause given as the open track ends: the end first, then the pause.
    bool EndThenPause();
    // Stops and closes the decoder's track (notifications must be off). `silence`: also what the
    // device still plays of a track at its end; an advance at the end keeps it, so that the next
    // track follows without a gap.
    void CloseTrack(bool silence);
    enum class StartResult { Playing, OpenFailed, NoSound };
    // Stop (unless `afterEnd`), close, open and play `path`.
    StartResult StartTrack(const std::string& path, bool afterEnd);
    // The end of the open track (`playedSound` false: it gave no sound).
    void OnTrackEnded(bool playedSound);
    // What every command that acted ends with: ticker, editor, skin. `current` is the entry the
    // command took, which is the current entry at `index` (null: the playlist is asked).
    void ShowOutcome(int index, int oldIndex, int elapsedSec, const CTrackEntry* current);
    CPlayerOutcome MakeOutcome(int index, int oldIndex, int elapsedSec, const CTrackEntry* current);
    // The outcome of an advance at a track's end waits until the next track is heard (the
    // decoder's first notice of it), or until anything else happens first.
    void ShowPendingOutcome();

    IDecoder& m_decoder;
    CPlaylist& m_playlist;
    IPlayerView& m_view;
    INotificationQueue& m_queue;
    // A track that this controller opened and started is open: a decoder that then reports
    // stopped has played it to its end, and the end notice is on its way.
    bool m_bTrackOpen = false;
    // Tracks that ended without sound since one played some, or since the user's last command:
    // a whole list of them is a list that would cycle for ever at full speed.
    int m_nSilentEnds = 0;
    // What an advance at a track's end shows once the device plays the new track: until then
    // the end of the track before still sounds.
    std::optional<CPlayerOutcome> m_pendingOutcome;
};
