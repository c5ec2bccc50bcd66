// A scriptable stand-in for the decoder library. It keeps the library's state machine (stopped,
// playing, paused; one open file), records every call in order, and lets a test decide which
// files open, what their information is, and how many seconds have been played.
#pragma once

#include "decoder/Decoder.h"

#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

class CFakeDecoder : public IDecoder {
public:
    bool Init() override;
    void Free() override;
    void SetCallback(NotifyFunc notify, void* context) override;
    bool Open(const std::string& path) override;
    void Close() override;
    bool Play() override;
    void Stop() override;
    void Pause() override;
    void Restart() override;
    int GetState(int* pElapsedSec) override;
    bool Seek(int millisecond) override;
    bool GetPosition(int* pMillisecond) override;
    void SetVolume(int percent) override;
    bool GetFileInfo(const std::string& path, CFileInfo* pInfo) override;
    void StartCallback() override;
    void StopCallback() override;

    // --- Script ---
    // Files whose Open fails (by default every file opens).
    std::set<std::string> failingOpens;
    // Information per path; GetFileInfo fails for a path not listed.
    std::map<std::string, CFileInfo> fileInfo;
    // Elapsed seconds that GetState reports while a file is playing or paused.
    int elapsedSec = 0;
    // Length of every open file in milliseconds: a seek to it or past it ends the file, whose
    // end notice comes once notifications are on.
    int lengthMs = 60000;
    // No sound device: Play fails and the state stays stopped.
    bool noDevice = false;
    // Runs inside the named call (e.g. "StopCallback"), before it takes effect: lets a test
    // deliver a notification at exactly that moment.
    std::map<std::string, std::function<void()>> hooks;

    // Delivers a notification as the library would (to the registered function), if
    // notifications are on; returns whether the function passed it on.
    bool Notify(int code, int value);
    // The open file plays to its end, as the library reports it: the state becomes stopped with
    // the file still open, then the end notice (if notifications are on); `playedSound` false
    // for a file that gave no sound.
    bool EndTrack(bool playedSound = true);
    // The sound device fails while the file plays: stopped, then the failure notice.
    bool FailDevice();

    // --- Observations ---
    int GetStateCalls() const;
    std::vector<std::string> Calls() const;
    void ClearCalls();
    std::string OpenPath() const;
    int State() const;
    bool CallbacksOn() const;
    // The volume last set (100 until set).
    int Volume() const;

private:
    void Record(const std::string& call);

    mutable std::recursive_mutex m_mutex;
    std::vector<std::string> m_calls;
    NotifyFunc m_notify = nullptr;
    void* m_context = nullptr;
    bool m_callbacksOn = true;
    std::string m_openPath;
    bool m_open = false;
    int m_state = STATE_STOPPED;
    bool m_bFirstSampleDue = false; // played: the first elapsed notice (0) is due
    // The position is the scripted elapsedSec in milliseconds; a seek sets elapsedSec.
    int m_getStateCalls = 0;
    bool m_bEndDue = false; // a seek past the end: the end notice is due
    int m_volume = 100;
};
