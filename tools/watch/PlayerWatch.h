// Watching the running player from another process: its main window, its answers, its message
// boxes.
#pragma once

#include <windows.h>

#include <string>

namespace watch {

// A message box of the player by caption (code page 932, as the player shows it), with the
// button that answers it.
struct PlayerBox {
    const char* name; // for reports
    const char* caption;
    WPARAM answer;
};
// Every box the player shows; the exit question comes last.
extern const PlayerBox kPlayerBoxes[];
extern const int kPlayerBoxCount;

// The player's main window (the visible 233 x 206 one: only one player may run), or null.
HWND FindPlayerWindow();
// The player box that `hwnd` is (a visible dialog of that caption), or null.
const PlayerBox* BoxOf(HWND hwnd);
// Sends `window` a message that does nothing: true when it was answered within `timeoutMs`.
bool Ping(HWND window, UINT timeoutMs);

double Milliseconds(); // a monotonic clock
bool FileExists(const std::string& path);

} // namespace watch
