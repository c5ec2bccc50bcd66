// The notification thread: delivers what the playback thread reports to the caller's
// notification function, on a thread of its own, so that the function may call the library's
// playing functions (which stop and join the playback thread) and may take as long as it likes
// without holding up the sound.
//
// Pending notifications are coalesced: the latest elapsed second, then the end of the file or the
// failure of the device.
// While notifications are off they wait; stopping or replacing the file discards them.
//
// A notification function that throws a C++ exception ends the play (the owner decides how,
// through the function given to OnThrowingCallback); the thread goes on with later notifications.
#ifndef VBMP3_PLAYBACK_NOTIFIER_H
#define VBMP3_PLAYBACK_NOTIFIER_H

#include <windows.h>

#include <functional>
#include <mutex>

#include "vbmp3/playback/PlaybackEvents.h"
#include "vbmp3/playback/UniqueHandle.h"
#include "vbmp3/vbmp3.h"

namespace vbmp3 {

// Codes of the notification function (vbmp3.h): the elapsed whole seconds changed; the file has
// played to its end; the output device failed while it played.
constexpr INT32 kNotifyElapsed = 1;
constexpr INT32 kNotifyEnd = 4;
constexpr INT32 kNotifyFailed = 5;
static_assert(kNotifyElapsed == VBMP3_NOTIFY_ELAPSED && kNotifyEnd == VBMP3_NOTIFY_END &&
                  kNotifyFailed == VBMP3_NOTIFY_FAILED,
              "the codes the interface gives");

class Notifier final : public PlaybackEvents {
public:
    using Callback = void(WINAPI*)(INT32 code, INT32 value);

    Notifier();
    ~Notifier() override; // Shutdown()
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;

    // Starts the delivery thread; false when it cannot. Harmless when it runs.
    bool Start();
    // Ends the delivery thread, after the notification being delivered (if any) has returned.
    // Not from the delivery thread itself, which cannot wait for itself: false there.
    bool Shutdown();
    bool OnDeliveryThread() const;

    void SetCallback(Callback callback);
    // Runs on the delivery thread, outside the notifier's lock, after the notification function
    // threw. Set before Start.
    void OnThrowingCallback(std::function<void()> endPlay) { m_endPlay = std::move(endPlay); }
    // Deliveries resume.
    void Enable();
    // No delivery starts after this returns, and none is running then except the caller's own
    // (when it is called from inside the notification).
    void Disable();

    void ElapsedChanged(int seconds) override;
    void Ended(bool playedSound) override;
    void Failed() override;
    void DiscardPending() override;

private:
    static unsigned __stdcall ThreadMain(void* self);
    void DeliverUntilShutdown();
    // Takes the next pending notification if one may be delivered now; marks it delivering.
    bool TakeNext(Callback& callback, INT32& code, INT32& value);

    // m_lock guards everything below it. Waits happen outside it.
    mutable std::mutex m_lock;
    Callback m_callback = nullptr;
    bool m_bEnabled = true;
    bool m_bElapsedPending = false;
    int m_nElapsed = 0;
    bool m_bEndPending = false;
    bool m_bEndPlayedSound = false;
    bool m_bFailedPending = false;
    bool m_bDelivering = false; // a notification function call is running
    bool m_bQuit = false;
    DWORD m_nThreadId = 0;

    std::function<void()> m_endPlay; // set before the thread starts, read only by it

    UniqueHandle m_wake;   // auto-reset: something to deliver, or quit
    UniqueHandle m_idle;   // manual-reset: signalled while no delivery runs
    UniqueHandle m_thread; // the delivery thread, between Start and Shutdown
};

} // namespace vbmp3

#endif
