// Player control codes: every player command goes through PlayerControl with one of these.
#pragma once

enum : int {
    PC_PLAYPAUSE = 1,   // play/pause button, menu "さいせぇ（一時停止）"
    PC_STOP = 2,        // stop button, menu "てーし", a confirmed exit
    PC_PAUSE = 3,       // what PC_PLAYPAUSE becomes while playing
    PC_RESUME = 4,      // what PC_PLAYPAUSE becomes while paused
    PC_PREV = 5,        // previous button: the current entry again after 2 seconds
    PC_NEXT = 6,        // next button
    PC_NEXTPLAY = 7,    // menu "次の曲へ進む", the end of a track
    PC_PREVPLAY = 8,    // menu "前の曲に戻る"
    PC_PLAYCURRENT = 9, // the editor's play request
};
