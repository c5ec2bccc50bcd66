// What the player controller needs of the windows around it. Platform-free seam: the main
// window implements it; tests record what the controller asked.
#pragma once

#include "playlist/Playlist.h"

#include <string>

// The state of the player after a command, as the windows show it.
struct CPlayerOutcome {
    CCurrentEntry current; // the current entry, or why there is none
    int nIndex = -1;       // the entry that is now current (-1: none)
    int nOldIndex = -1;    // the entry that was current before the command (-1: none)
    int nElapsedSec = 0;
    int nPlayerState = 0; // IDecoder::STATE_*
};

class IPlayerView {
public:
    virtual ~IPlayerView() = default;

    // "ふぁいるがみつかんないです。..." for an entry whose file cannot be opened for playing:
    // true when the user wants the entry removed.
    virtual bool AskRemoveMissingFile(const std::string& path) = 0;
    // "ふぁいるがおーぷんできなかったよ。" for a file whose information cannot be read.
    virtual void ShowOpenError() = 0;
    // A file whose name the player cannot hold (no code page 932 form, exact or short).
    virtual void ShowUnusableName() = 0;
    // A track the user asked for could not start for lack of a sound device (none, or one that
    // another program holds).
    virtual void ShowNoSoundDevice() = 0;

    // What a player command that acted, or a drop, leaves to show, all at once: the ticker (when
    // it is shown) renders `current` afresh with the elapsed seconds, the playlist editor (when it
    // is open) moves its mark from `oldIndex` to `index`, and the skin is recomposed for the
    // player's state.
    virtual void ShowOutcome(const CPlayerOutcome& outcome) = 0;
    // The ticker, when it is shown: a decoder notification (`code`) of the elapsed seconds while
    // `current` plays.
    virtual void TellTicker(const CCurrentEntry& current, int code, int elapsedSec) = 0;
    // Entries were added to the playlist or removed from it by the player itself (a drop, the
    // missing-file prompt answered Yes): an open editor brings its rows in step. Comes before
    // any outcome that shows the new entries.
    virtual void PlaylistChanged() = 0;
};

// Where the decoder's notifications wait to be handled on the window thread.
class INotificationQueue {
public:
    virtual ~INotificationQueue() = default;
    // The decoder's open track is going away or moves to another place (notifications are off):
    // whatever the decoder said about it and has not been handled yet is stale from now on.
    virtual void TrackChanging() = 0;
};
