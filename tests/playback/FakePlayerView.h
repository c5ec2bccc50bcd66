// Records what the player controller asks of the windows, and when it tells the notifications'
// queue that the track changes.
#pragma once

#include "playback/PlayerView.h"

#include <string>
#include <vector>

struct CFakePlayerView : IPlayerView, INotificationQueue {
    struct TickerCall {
        int index, code, elapsedSec;
        bool forceRefresh;
    };
    struct EditorCall {
        int index, oldIndex;
    };

    bool AskRemoveMissingFile(const std::string& path) override {
        missingFilePrompts.push_back(path);
        return removeMissingFiles;
    }
    void ShowOpenError() override { ++openErrors; }
    void ShowNoSoundDevice() override { ++noSoundMessages; }
    void ShowUnusableName() override { ++unusableNames; }
    void ShowOutcome(const CPlayerOutcome& outcome) override {
        ticker.push_back({outcome.current.nIndex, 0, outcome.nElapsedSec, true});
        editor.push_back({outcome.nIndex, outcome.nOldIndex});
        ++redraws;
    }
    void TellTicker(const CCurrentEntry& current, int code, int elapsedSec) override {
        ticker.push_back({current.nIndex, code, elapsedSec, false});
    }
    void PlaylistChanged() override { ++playlistChanges; }
    void TrackChanging() override { ++trackChanges; }

    bool NothingTold() const { return ticker.empty() && editor.empty() && redraws == 0; }

    bool removeMissingFiles = false; // the answer to the missing-file prompt
    std::vector<std::string> missingFilePrompts;
    int openErrors = 0;
    int noSoundMessages = 0;
    int unusableNames = 0;
    std::vector<TickerCall> ticker;
    std::vector<EditorCall> editor;
    int redraws = 0;
    int trackChanges = 0;
    int playlistChanges = 0;
};
