// The decoder library's notifications, handed over to the player controller on the window thread.
//
// The library notifies on a thread of its own. The notifier posts each notification to a
// message-only window of its own, made on the window thread, so that the controller handles it
// there, one message at a time, like everything else. Each carries the generation of the track
// it was about: the generation advances whenever the decoder's track changes (while its
// notifications are off), and a notification of an earlier generation that is still in the
// queue is dropped. Without that, an end of track that was queued just before the user pressed
// "next" would skip the track that "next" started.
#pragma once

#include "decoder/Decoder.h"
#include "playback/PlayerView.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <type_traits>

class CPlayerController;

class CDecoderNotifier final : public INotificationQueue {
public:
    // Registers with `decoder`, which must outlive the notifier; notifications go nowhere until
    // they are delivered to a controller. Window thread.
    explicit CDecoderNotifier(IDecoder& decoder);
    ~CDecoderNotifier() override; // unregisters, and its window goes
    CDecoderNotifier(const CDecoderNotifier&) = delete;
    CDecoderNotifier& operator=(const CDecoderNotifier&) = delete;

    // From now on notifications reach `controller` on this thread (null: nowhere; the window
    // goes). False when the window could not be made. Window thread.
    bool DeliverTo(CPlayerController* controller);
    // The decoder's track changes (notifications are off): every notification posted so far
    // is stale. Window thread.
    void TrackChanging() override;

    // A notification as the decoder gives it: posted with the current generation. False when
    // it went nowhere (nobody to deliver to). Any thread.
    bool Forward(int code, int value);

private:
    struct WindowDestroyer {
        void operator()(HWND window) const { ::DestroyWindow(window); }
    };
    using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

    static bool Receive(void* self, int code, int value);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // A posted notification that arrived: handed to the controller unless it is stale.
    void Deliver(WPARAM packed, LPARAM value) const;

    IDecoder& m_decoder;
    CPlayerController* m_pController = nullptr; // window thread only
    WindowHandle m_window;                      // window thread only
    std::atomic<HWND> m_target{nullptr};        // m_window, for the library's thread
    // 24 bits travel with each notification beside its 8-bit code; a stale notification would
    // need 16 million track changes while it waits in the queue to pass for a current one.
    std::atomic<std::uint32_t> m_generation{0};
};
