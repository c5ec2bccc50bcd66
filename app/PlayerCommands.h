// What each skin button, each command of the right-click menu (the main window's and the mini
// window's) and each media key does: one table.
#pragma once

#include "mainwnd/RunTables.h"
#include "playback/ControlCodes.h"
#include "res/resource.h"

#include <windows.h>

enum class PlayerAction {
    PlayerControl,    // PlayerControl(nCode)
    ToggleTicker,     // show or hide the title ticker
    OpenPlaylist,     // open the playlist editor
    Exit,             // ask, then end the program
    ToggleTopmost,    // switch "always on top" (the menu's check mark) and save the settings
    ToggleAutoShrink, // switch the automatic shrink (the menu's check mark) and save the settings
};

struct CPlayerCommand {
    int button;      // skin button, or mainwnd::NO_BUTTON
    unsigned menuId; // popup command id, or 0
    PlayerAction action;
    int nCode; // for PlayerAction::PlayerControl
};

// The skin's previous and next only move the current entry while the player is stopped; the
// menu's always play.
constexpr CPlayerCommand kPlayerCommands[] = {
    {mainwnd::BUTTON_PLAYPAUSE, ID_PLAYPAUSE, PlayerAction::PlayerControl, PC_PLAYPAUSE},
    {mainwnd::BUTTON_STOP, ID_STOP, PlayerAction::PlayerControl, PC_STOP},
    {mainwnd::BUTTON_PREV, 0, PlayerAction::PlayerControl, PC_PREV},
    {mainwnd::BUTTON_NEXT, 0, PlayerAction::PlayerControl, PC_NEXT},
    {mainwnd::NO_BUTTON, ID_PREVTRACK, PlayerAction::PlayerControl, PC_PREVPLAY},
    {mainwnd::NO_BUTTON, ID_NEXTTRACK, PlayerAction::PlayerControl, PC_NEXTPLAY},
    {mainwnd::BUTTON_TICKER, 0, PlayerAction::ToggleTicker, 0},
    {mainwnd::BUTTON_PLAYLIST, 0, PlayerAction::OpenPlaylist, 0},
    {mainwnd::BUTTON_EXIT, ID_EXIT, PlayerAction::Exit, 0},
    {mainwnd::NO_BUTTON, ID_TOPMOST, PlayerAction::ToggleTopmost, 0},
    {mainwnd::NO_BUTTON, ID_AUTOSHRINK, PlayerAction::ToggleAutoShrink, 0},
};

// The keyboard's media keys (registered as hot keys by these ids): the menu's commands.
struct CMediaKey {
    int id;
    unsigned virtualKey;
    unsigned menuId;
};
constexpr CMediaKey kMediaKeys[] = {
    {1, VK_MEDIA_PLAY_PAUSE, ID_PLAYPAUSE},
    {2, VK_MEDIA_STOP, ID_STOP},
    {3, VK_MEDIA_NEXT_TRACK, ID_NEXTTRACK},
    {4, VK_MEDIA_PREV_TRACK, ID_PREVTRACK},
};

// The arrow keys on the main window and on the mini window (held down, they repeat): Right and
// Left move within the playing track, further with Shift; Up and Down step the volume.
struct CArrowKey {
    unsigned virtualKey;
    int seekMs;      // milliseconds forward (negative: back)
    int shiftSeekMs; // the same with Shift held
    int volumeSteps; // steps of kVolumeStep up (negative: down)
};
constexpr CArrowKey kArrowKeys[] = {
    {VK_RIGHT, 5000, 30000, 0},
    {VK_LEFT, -5000, -30000, 0},
    {VK_UP, 0, 0, 1},
    {VK_DOWN, 0, 0, -1},
};

constexpr const CArrowKey* ArrowKey(unsigned virtualKey) {
    for (const CArrowKey& key : kArrowKeys) {
        if (key.virtualKey == virtualKey) return &key;
    }
    return nullptr;
}

// The command of a skin button or a menu id; null for none (mainwnd::NO_BUTTON, 0, or an id
// that is no command).
constexpr const CPlayerCommand* CommandOfButton(int button) {
    for (const CPlayerCommand& command : kPlayerCommands) {
        if (button != mainwnd::NO_BUTTON && command.button == button) return &command;
    }
    return nullptr;
}
constexpr const CPlayerCommand* CommandOfMenuId(unsigned id) {
    for (const CPlayerCommand& command : kPlayerCommands) {
        if (id != 0 && command.menuId == id) return &command;
    }
    return nullptr;
}
