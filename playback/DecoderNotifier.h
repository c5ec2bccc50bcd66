// The decoder library's notifications, handed over to the window that acts on them.
//
// The library notifies on a thread of its own. The notifier posts each notification to its
// target window as WM_DECODER_NOTIFY, so that it is handled on the window thread, one message
// at a time, like everything else. Each carries the generation of the track it was about: the
// generation advances whenever the decoder's track changes (while its notifications are off),
// and a notification of an earlier generation that is still in the queue is dropped. Without
// that, an end of track that was queued just before the user pressed "next" would skip the
// track that "next" started.
#pragma once

#include "decoder/Decoder.h"
#include "framework/MessageTable.h"
#include "playback/PlayerView.h"

#include <windows.h>

#include <atomic>
#include <cstdint>

constexpr UINT WM_DECODER_NOTIFY = WM_APP + 1;

class CPlayerController;

// A WM_DECODER_NOTIFY as it was posted: the notification with its track's generation.
struct CPostedNotification {
    WPARAM packed; // generation << 8 | code
    LPARAM value;
};

namespace fw {
template <> struct Crack<WM_DECODER_NOTIFY> { // void OnDecoderNotify(CPostedNotification)
    template <class T>
    static LRESULT Call(T& self, void (T::*h)(const CPostedNotification&), WPARAM w, LPARAM l) {
        (self.*h)(CPostedNotification{w, l});
        return 0;
    }
};
} // namespace fw

// A notification code in the low 8 bits of a message parameter, under a number of up to 24
// bits (the track's generation here; the entry's index in WM_PLAYLIST_CURRENT to the ticker).
constexpr WPARAM PackWithCode(std::uint32_t upper, int code) {
    return (static_cast<WPARAM>(upper) << 8) | (static_cast<std::uint32_t>(code) & 0xFF);
}

class CDecoderNotifier final : public INotificationQueue {
public:
    // Registers with `decoder`, which must outlive the notifier; notifications go nowhere until
    // a target is set. Window thread.
    explicit CDecoderNotifier(IDecoder& decoder);
    ~CDecoderNotifier() override; // unregisters
    CDecoderNotifier(const CDecoderNotifier&) = delete;
    CDecoderNotifier& operator=(const CDecoderNotifier&) = delete;

    // Where notifications go from now on: posted to `target`, handed to `controller` once they
    // arrive there (null: nowhere). Window thread.
    void SetTarget(HWND target, CPlayerController* controller);
    // The decoder's track changes (notifications are off): every notification posted so far
    // is stale. Window thread.
    void TrackChanging() override;

    // A notification as the decoder gives it: posted to the target with the current
    // generation. False when it went nowhere (no target). Any thread.
    bool Forward(int code, int value);
    // A WM_DECODER_NOTIFY that arrived: handed to the controller unless it is stale. Window
    // thread.
    void Deliver(const CPostedNotification& posted) const;
    // The notification a WM_DECODER_NOTIFY carries; false when it is stale. Window thread.
    bool Unpack(const CPostedNotification& posted, int* pCode, int* pValue) const;

private:
    static bool Receive(void* self, int code, int value);

    IDecoder& m_decoder;
    std::atomic<HWND> m_target{nullptr};
    CPlayerController* m_pController = nullptr; // window thread only
    // 24 bits travel with each notification beside its 8-bit code; a stale notification would
    // need 16 million track changes while it waits in the queue to pass for a current one.
    std::atomic<std::uint32_t> m_generation{0};
};
