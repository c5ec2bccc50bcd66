// What the player controller needs of the windows around it. Platform-free seam: the main
// window implements it; tests record what the controller asked.
#pragma once

#include "playlist/Playlist.h"

#include <string>

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

    // The ticker, when it is shown: show `current` and the elapsed seconds; `code` is the
    // notification code (0 from a player command). With `forceRefresh` the ticker renders the
    // entry's text afresh even when the index did not change.
    virtual void TellTicker(const CCurrentEntry& current, int code, int elapsedSec,
                            bool forceRefresh) = 0;
    // The playlist editor, when it is open: `index` is now current, `oldIndex` was.
    virtual void TellEditor(int index, int oldIndex) = 0;
    // Entries were added to the playlist or removed from it by the player itself (a drop, the
    // missing-file prompt answered Yes): an open editor brings its rows in step. Comes before
    // any TellEditor about the new entries.
    virtual void PlaylistChanged() = 0;
    // Recompose the skin for the player's new state (IDecoder::STATE_*).
    virtual void RedrawSkin(int playerState) = 0;
};

// Where the decoder's notifications wait to be handled on the window thread.
class INotificationQueue {
public:
    virtual ~INotificationQueue() = default;
    // The decoder's open track is going away (notifications are off): whatever the decoder
    // said about it and has not been handled yet is stale from now on.
    virtual void TrackChanging() = 0;
};
