// Private messages between the program's windows, numbered like the resource ids. All are sent,
// never posted: the sender waits until the receiver has handled them.
#pragma once

enum : unsigned {
    // Main window to ticker: wParam = current index << 8 | notification code (0 from a player
    // command), lParam = elapsed seconds. Main window to playlist editor: wParam = the index
    // that is now current, lParam = the index that was current before.
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
};
