// What each skin button and each command of the right-click menu does: one table. The menu's
// "always on top" and "shrink by itself" are no commands here: the menu switches them itself.
#pragma once

#include "mainwnd/RunTables.h"
#include "playback/ControlCodes.h"
#include "res/resource.h"

enum class PlayerAction {
    PlayerControl, // PlayerControl(nCode)
    ToggleTicker,  // show or hide the title ticker
    OpenPlaylist,  // open the playlist editor
    Exit,          // ask, then end the program
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
};

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
