#include "vbmp3/playback/Notifier.h"

#include <process.h>

#include "vbmp3/playback/SentMessageWait.h"
#include "vbmp3/playback/ThreadName.h"

namespace vbmp3 {

Notifier::Notifier() : m_wake(MakeEvent(false, false)), m_idle(MakeEvent(true, true)) {}

Notifier::~Notifier() {
    Shutdown();
}

bool Notifier::Start() {
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_thread) return true;
    if (!m_wake || !m_idle) return false;
    m_bQuit = false;
    unsigned id = 0;
    m_thread.Reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &ThreadMain, this, 0, &id)));
    m_nThreadId = m_thread ? id : 0;
    return static_cast<bool>(m_thread);
}

bool Notifier::Shutdown() {
    HANDLE thread = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (!m_thread) return true;
        if (::GetCurrentThreadId() == m_nThreadId) return false;
        m_bQuit = true;
        thread = m_thread.Get();
    }
    ::SetEvent(m_wake.Get());
    // A notification still running may be sending a message to this thread's windows.
    WaitHandlingSentMessages(thread);
    std::lock_guard<std::mutex> lock(m_lock);
    m_thread.Reset();
    m_nThreadId = 0;
    return true;
}

bool Notifier::OnDeliveryThread() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_nThreadId != 0 && ::GetCurrentThreadId() == m_nThreadId;
}

void Notifier::SetCallback(Callback callback) {
    std::lock_guard<std::mutex> lock(m_lock);
    m_callback = callback;
}

void Notifier::Enable() {
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bEnabled = true;
    }
    ::SetEvent(m_wake.Get());
}

void Notifier::Disable() {
    bool wait = false;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bEnabled = false;
        // The flag is checked under the same lock as a delivery starts, so no delivery can
        // start from here on; only one already running needs waiting for.
        wait = m_bDelivering && ::GetCurrentThreadId() != m_nThreadId;
    }
    if (wait) WaitHandlingSentMessages(m_idle.Get());
}

void Notifier::ElapsedChanged(int seconds) {
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bElapsedPending = true;
        m_nElapsed = seconds;
    }
    ::SetEvent(m_wake.Get());
}

void Notifier::Ended(bool playedSound) {
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bEndPending = true;
        m_bEndPlayedSound = playedSound;
    }
    ::SetEvent(m_wake.Get());
}

void Notifier::Failed() {
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bFailedPending = true;
    }
    ::SetEvent(m_wake.Get());
}

void Notifier::DiscardPending() {
    std::lock_guard<std::mutex> lock(m_lock);
    m_bElapsedPending = m_bEndPending = m_bFailedPending = false;
}

bool Notifier::TakeNext(Callback& callback, INT32& code, INT32& value) {
    if (!m_callback) { // nobody to tell: nothing is kept for later
        m_bElapsedPending = m_bEndPending = m_bFailedPending = false;
        return false;
    }
    if (!m_bEnabled) return false;
    if (m_bElapsedPending) {
        m_bElapsedPending = false;
        code = kNotifyElapsed;
        value = m_nElapsed;
    } else if (m_bEndPending) {
        m_bEndPending = false;
        code = kNotifyEnd;
        value = m_bEndPlayedSound ? 1 : 0;
    } else if (m_bFailedPending) {
        m_bFailedPending = false;
        code = kNotifyFailed;
        value = 0;
    } else {
        return false;
    }
    callback = m_callback;
    m_bDelivering = true;
    ::ResetEvent(m_idle.Get());
    return true;
}

void Notifier::DeliverUntilShutdown() {
    for (;;) {
        ::WaitForSingleObject(m_wake.Get(), INFINITE);
        for (;;) {
            Callback callback = nullptr;
            INT32 code = 0, value = 0;
            {
                std::lock_guard<std::mutex> lock(m_lock);
                if (m_bQuit) return;
                if (!TakeNext(callback, code, value)) break;
            }
            bool threw = false;
            try {
                callback(code, value);
            } catch (...) {
                threw = true;
            }
            {
                std::lock_guard<std::mutex> lock(m_lock);
                m_bDelivering = false;
                ::SetEvent(m_idle.Get());
            }
            if (threw && m_endPlay) {
                try {
                    m_endPlay();
                } catch (...) {
                    // Not even stopping worked: the play runs to its own end.
                }
            }
        }
    }
}

unsigned __stdcall Notifier::ThreadMain(void* self) {
    NameThisThread(kNotificationThreadName);
    Notifier& notifier = *static_cast<Notifier*>(self);
    try {
        notifier.DeliverUntilShutdown();
    } catch (...) {
        // The notifier's own work failed (a broken lock): deliveries end, Shutdown finds the
        // thread gone, and nobody waits for a delivery that never finishes.
        ::SetEvent(notifier.m_idle.Get());
    }
    return 0;
}

} // namespace vbmp3
