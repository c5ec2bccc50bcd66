// Ownership of one kernel handle (file, event, thread): closed exactly once, by the owner.
//
// Creation functions disagree on how they fail (CreateFile gives INVALID_HANDLE_VALUE, the rest
// null); the guard takes both as "no handle", so no owner has to know which one it holds.
#ifndef VBMP3_PLAYBACK_UNIQUEHANDLE_H
#define VBMP3_PLAYBACK_UNIQUEHANDLE_H

#include <windows.h>

#include <utility>

namespace vbmp3 {

class UniqueHandle {
public:
    UniqueHandle() = default;
    // Takes `handle`; null and INVALID_HANDLE_VALUE are both none.
    explicit UniqueHandle(HANDLE handle) : m_h(Normal(handle)) {}
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
        m_h = Normal(handle);
    }

private:
    static HANDLE Normal(HANDLE handle) {
        return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }

    HANDLE m_h = nullptr;
};

inline UniqueHandle MakeEvent(bool manualReset, bool signalled) {
    return UniqueHandle(::CreateEventA(nullptr, manualReset, signalled, nullptr));
}

} // namespace vbmp3

#endif
