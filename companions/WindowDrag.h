// Moving a window without a caption by a press anywhere on it, without spoiling its double
// clicks.
//
// A press only captures the mouse; the system's move loop starts once the pointer, with the
// button held, leaves both the system's drag rectangle and its double-click rectangle around
// the press. A click, or the first click of a double click, never enters the loop: entering it
// at every press swallowed the second click under Wine whenever the hand moved a pixel or two.
// (DragDetect would do, but Wine's compares the press in screen coordinates with the moves in
// client coordinates, and so starts a drag at the first pixel.)
#pragma once

#include <windows.h>

class CWindowDrag {
public:
    // WM_LBUTTONDOWN at `point` (client coordinates) on a part of the window that moves it.
    void Press(HWND hwnd, POINT point);
    // WM_MOUSEMOVE: once the pointer has gone far enough with the button held, runs the move
    // loop (the window first catches up with the pointer) and returns when the drag ends.
    void MouseMove(HWND hwnd, UINT flags);
    // WM_LBUTTONUP, or the capture lost: the press ends without a move.
    void Release();

private:
    bool m_bPressed = false;
    POINT m_press{}; // screen coordinates
};
