// The decoder library as the player uses it: one decoder, at most one open file.
//
// Platform-free seam: the real implementation calls VBMP3.DLL; tests substitute a fake. The
// operations mirror the library's functions one for one, so the order of calls that the player
// makes is what a fake records.
#pragma once

#include <string>

// What the player takes from a file's tag and stream records.
struct CFileInfo {
    std::string strTitle;
    std::string strArtist;
    int nTotalSec = 0;
};

class IDecoder {
public:
    // Notification: NOTIFY_END when the open file is at its end, its last sample handed to the
    // device, which still plays it for a moment (`value` 0 when it gave no sound at all);
    // NOTIFY_FAILED when the sound device failed while it played (playing has stopped);
    // NOTIFY_ELAPSED (and any other code) carries the elapsed whole seconds heard in `value`,
    // 0 once as the file's first sample is heard. May arrive on
    // a thread of the library's own. The function gets the context registered with it and
    // answers whether it passed the notification on.
    using NotifyFunc = bool (*)(void* context, int code, int value);

    static constexpr int STATE_STOPPED = 0;
    static constexpr int STATE_PLAYING = 1;
    static constexpr int STATE_PAUSED = 2;
    static constexpr int NOTIFY_ELAPSED = 1;
    static constexpr int NOTIFY_END = 4;
    static constexpr int NOTIFY_FAILED = 5;

    virtual ~IDecoder() = default;

    virtual bool Init() = 0;
    virtual void Free() = 0;
    // The function notifications go to, with its context (null: none).
    virtual void SetCallback(NotifyFunc notify, void* context) = 0;
    // True when the file was opened.
    virtual bool Open(const std::string& path) = 0;
    virtual void Close() = 0;
    // Plays the open file from its start; false when it could not start (no file open, no
    // sound device or one that refuses the format).
    virtual bool Play() = 0;
    virtual void Stop() = 0;
    virtual void Pause() = 0;
    virtual void Restart() = 0;
    // STATE_STOPPED (also with nothing open), STATE_PLAYING or STATE_PAUSED; writes the
    // elapsed playing time in whole seconds.
    virtual int GetState(int* pElapsedSec) = 0;
    // The playing or paused file to the start of its frame that holds `millisecond` (before 0:
    // its start), still playing or paused; at or past its end, the file ends as at its natural
    // end (NOTIFY_END follows). False, nothing changed, when nothing plays or is paused.
    virtual bool Seek(int millisecond) = 0;
    // The heard position of the playing or paused file in milliseconds; false otherwise.
    virtual bool GetPosition(int* pMillisecond) = 0;
    // The player's own volume, 0 to 100 percent: at once, and for every file played later.
    virtual void SetVolume(int percent) = 0;
    // True when the file's information could be read; `pInfo` is untouched otherwise.
    virtual bool GetFileInfo(const std::string& path, CFileInfo* pInfo) = 0;
    virtual void StartCallback() = 0;
    virtual void StopCallback() = 0;
};
