// The program's own messages between its windows and to themselves, numbered like the resource
// ids, with what their parameters hold. Each has one receiving window, whose message table
// unpacks the parameters into typed arguments (its fw::Crack<>, beside the table).
#pragma once

#include <windows.h>

// Sent (never posted) between the windows: the sender waits until the receiver has handled them.
enum : UINT {
    // Main window to playlist editor: wParam = the index that is now current, lParam = the index
    // that was current before (either -1: none).
    WM_PLAYLIST_CURRENT = 6001,
    // Mini window to main window: come back. wParam, lParam = the mini window's right and bottom
    // screen edges (not read).
    WM_MINI_RESTORE = 6002,
    // Mini window to main window: wParam = the popup command chosen there, 0 when dismissed.
    WM_MINI_COMMAND = 6003,
    // Playlist editor to main window: close me (the main window destroys the editor).
    WM_PLAYLIST_CLOSE = 6004,
    // Playlist editor to main window: wParam = the playlist index to play.
    WM_PLAYLIST_PLAY = 6005,
    // Mini window to main window: a key pressed there (the main window acts on the arrow keys).
    // wParam = its virtual key, lParam = 1 when Shift was held, else 0.
    WM_MINI_KEY = 6006,
};

// Posted by the main window to itself: take the files of the command line, once it is up.
constexpr UINT WM_OPEN_STARTUP_FILES = WM_APP + 2;
// Posted by the main window to itself once its place in the window order changed: the ticker
// follows when the change is over (Wine maps a window that is being activated only after it).
constexpr UINT WM_STACK_TICKER = WM_APP + 3;
