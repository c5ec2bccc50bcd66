// Ownership of one kernel handle (file, mutex, mapping): closed exactly once, by the owner.
//
// Creation functions disagree on how they fail (CreateFile gives INVALID_HANDLE_VALUE, the rest
// null); the guard takes both as "no handle", so no owner has to know which one it holds. (The
// decoder library, a module of its own, has the same guard for its files and threads.)
#pragma once

#include <windows.h>

#include <utility>

namespace fw {

class CHandle {
public:
    CHandle() = default;
    // Takes `handle`; null and INVALID_HANDLE_VALUE are both none.
    explicit CHandle(HANDLE handle) { Attach(handle); }
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    HANDLE Get() const { return m_h; }
    operator HANDLE() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    void Attach(HANDLE handle) {
        Close();
        m_h = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }
    void Close() {
        if (m_h) ::CloseHandle(std::exchange(m_h, nullptr));
    }

private:
    HANDLE m_h = nullptr;
};

} // namespace fw
