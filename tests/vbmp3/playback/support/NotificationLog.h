// The notification function that the DLL tests register: it records every notification with
// its time and thread, and runs a test's own action inside the notification when one is set.
#ifndef TESTS_VBMP3_PLAYBACK_SUPPORT_NOTIFICATIONLOG_H
#define TESTS_VBMP3_PLAYBACK_SUPPORT_NOTIFICATIONLOG_H

#include <windows.h>

#include <functional>
#include <vector>

namespace vbmp3test {

struct Notification {
    INT32 code;
    INT32 value;
    double seconds; // QueryPerformanceCounter time
    DWORD thread;
};

double NowSeconds();

class NotificationLog {
public:
    // The function to hand to vbmp3_callback.
    static void WINAPI Record(INT32 code, INT32 value);

    static void Clear();
    static std::vector<Notification> All();
    static int Count(INT32 code);
    // Waits until `count` notifications of `code` have come; false after `timeoutMs`.
    static bool WaitFor(INT32 code, int count, DWORD timeoutMs);
    // Runs inside each notification after it is recorded (empty: nothing). Not while one runs.
    static void SetAction(std::function<void(INT32 code, INT32 value)> action);
};

} // namespace vbmp3test

#endif
