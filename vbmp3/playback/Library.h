// VBMP3.DLL's state behind its exports: the player between vbmp3_init and vbmp3_free, and the
// notification thread. Every playing function may be called from any thread, also from inside
// the notification; one lock serialises them. Switching notifications on and off takes only the
// notifier's own lock, so that it can wait for a running notification that calls in here.
#ifndef VBMP3_PLAYBACK_LIBRARY_H
#define VBMP3_PLAYBACK_LIBRARY_H

#include <memory>
#include <mutex>

#include "vbmp3/playback/Notifier.h"
#include "vbmp3/playback/Player.h"

namespace vbmp3 {

class Library {
public:
    // The one library of this DLL. Never destroyed: at process exit the loader lock is held and
    // the threads are gone, so nothing may be joined or closed then; vbmp3_free is the teardown.
    static Library& Instance();

    bool Init();
    bool Free();

    // Runs `call(player)` under the lock and returns its result; false before Init and after
    // Free, when there is no player.
    template <typename Call> bool WithPlayer(Call call) {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_player && call(*m_player);
    }

    void SetCallback(Notifier::Callback callback) { m_notifier.SetCallback(callback); }
    void StartCallback() { m_notifier.Enable(); }
    void StopCallback() { m_notifier.Disable(); }

private:
    Library();

    Notifier m_notifier;
    std::mutex m_lock;                // serialises the playing functions
    std::unique_ptr<Player> m_player; // between Init and Free
};

} // namespace vbmp3

#endif
