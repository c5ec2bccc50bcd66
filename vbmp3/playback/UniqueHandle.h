// Ownership of one kernel handle (event, thread): closed exactly once, by the owner.
#ifndef VBMP3_PLAYBACK_UNIQUEHANDLE_H
#define VBMP3_PLAYBACK_UNIQUEHANDLE_H

#include <windows.h>

#include <utility>

namespace vbmp3 {

class UniqueHandle {
public:
    UniqueHandle() = default;
    // Takes `handle` (null: none; functions that fail with INVALID_HANDLE_VALUE do not belong
    // here).
    explicit UniqueHandle(HANDLE handle) : m_h(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(std::exchange(other.m_h, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.m_h, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    void Reset(HANDLE handle = nullptr) {
        if (m_h) ::CloseHandle(m_h);
        m_h = handle;
    }

private:
    HANDLE m_h = nullptr;
};

inline UniqueHandle MakeEvent(bool manualReset, bool signalled) {
    return UniqueHandle(::CreateEventA(nullptr, manualReset, signalled, nullptr));
}

} // namespace vbmp3

#endif
