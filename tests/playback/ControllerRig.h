// A player controller on a fake decoder, a fake INI file and a view that records what it is told.
#pragma once

#include "playback/PlayerController.h"
#include "playlist/Playlist.h"
#include "tests/playback/FakePlayerView.h"
#include "tests/support/FakeDecoder.h"
#include "tests/support/IniFileFake.h"

struct CControllerRig {
    CFakeDecoder decoder;
    CIniFileFake ini;
    CPlaylist playlist{ini};
    CFakePlayerView view;
    CPlayerController controller{decoder, playlist, view, view};
};
