// What each skin button does. Platform-free.
#pragma once

#include "mainwnd/RunTables.h"

namespace mainwnd {

enum class ButtonAction {
    None,
    PlayPause,    // play, pause or resume
    Stop,         // stop playback
    Previous,     // the previous entry (plays only while not stopped)
    Next,         // the next entry (plays only while not stopped)
    ToggleTicker, // show or hide the title ticker
    OpenPlaylist, // open the playlist editor
    Exit,         // ask, then end the program
};

// The action of a button index; None for NO_BUTTON or anything out of range. A release over the
// pressed button and a double click on a button both carry it out.
constexpr ButtonAction ActionOfButton(int button) {
    constexpr ButtonAction kActions[BUTTON_COUNT] = {
        ButtonAction::PlayPause, ButtonAction::Stop,         ButtonAction::Previous,
        ButtonAction::Next,      ButtonAction::ToggleTicker, ButtonAction::OpenPlaylist,
        ButtonAction::Exit,
    };
    static_assert(BUTTON_PLAYPAUSE == 0 && BUTTON_EXIT == BUTTON_COUNT - 1, "indices are 0 to 6");
    return button >= 0 && button < BUTTON_COUNT ? kActions[button] : ButtonAction::None;
}

} // namespace mainwnd
