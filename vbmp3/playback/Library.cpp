#include "vbmp3/playback/Library.h"

#include "vbmp3/playback/WaveOutDevice.h"

namespace vbmp3 {

Library& Library::Instance() {
    static Library* library = new Library;
    return *library;
}

Library::Library() {
    // A notification function that threw: the play ends as on a failed device (stopped, no end
    // notice). The notification thread holds no lock here, so it may take the player's.
    m_notifier.OnThrowingCallback([this] {
        WithPlayer([](Player& player) {
            player.Stop();
            return true;
        });
    });
}

bool Library::Init() {
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_player) return true;
    if (!m_notifier.Start()) return false;
    m_player = std::make_unique<Player>(&WaveOutDevice::Open, m_notifier);
    return true;
}

bool Library::Free() {
    // The delivery thread cannot wait for its own end.
    if (m_notifier.OnDeliveryThread()) return false;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_player.reset(); // stops the playback thread, closes the file and the device
    }
    // Outside the lock: a notification still running may call the playing functions, which
    // find the player gone.
    return m_notifier.Shutdown();
}

} // namespace vbmp3
