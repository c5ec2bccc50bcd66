// Small owners for GDI objects and scoped GDI state.
//
// Owning types delete their object once, in their destructor or in an explicit Delete();
// Detach() hands ownership away (for example a region accepted by SetWindowRgn, which then
// belongs to the system). Scoped types undo one piece of state when they leave scope.
#pragma once

#include <windows.h>

#include <utility>

namespace fw {

// An owned GDI object (bitmap, region, font, brush).
template <class Handle> class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle h) : m_h(h) {}
    ~CGdiObject() { Delete(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_h(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        if (this != &other) Attach(other.Detach());
        return *this;
    }

    // Takes ownership of `h`, deleting what was held before.
    void Attach(Handle h) {
        Delete();
        m_h = h;
    }
    Handle Detach() { return std::exchange(m_h, nullptr); }
    void Delete() {
        if (m_h) ::DeleteObject(std::exchange(m_h, nullptr));
    }
    Handle Get() const { return m_h; }
    operator Handle() const { return m_h; }

private:
    Handle m_h = nullptr;
};

using CBitmap = CGdiObject<HBITMAP>;
using CRgn = CGdiObject<HRGN>;
using CFont = CGdiObject<HFONT>;
using CBrush = CGdiObject<HBRUSH>;

// An owned memory device context (CreateCompatibleDC / DeleteDC).
class CMemoryDC {
public:
    explicit CMemoryDC(HDC compatibleWith) : m_hdc(::CreateCompatibleDC(compatibleWith)) {}
    ~CMemoryDC() {
        if (m_hdc) ::DeleteDC(m_hdc);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    HDC Get() const { return m_hdc; }
    operator HDC() const { return m_hdc; }

private:
    HDC m_hdc;
};

// Selects an object into a DC and puts the previous one back.
class CScopedSelectObject {
public:
    CScopedSelectObject(HDC hdc, HGDIOBJ obj) : m_hdc(hdc), m_old(::SelectObject(hdc, obj)) {}
    ~CScopedSelectObject() {
        if (m_old && m_old != HGDI_ERROR) ::SelectObject(m_hdc, m_old);
    }
    CScopedSelectObject(const CScopedSelectObject&) = delete;
    CScopedSelectObject& operator=(const CScopedSelectObject&) = delete;

private:
    HDC m_hdc;
    HGDIOBJ m_old;
};

// A window's client-area DC (GetDC / ReleaseDC).
class CClientDC {
public:
    explicit CClientDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(::GetDC(hwnd)) {}
    ~CClientDC() {
        if (m_hdc) ::ReleaseDC(m_hwnd, m_hdc);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    HDC Get() const { return m_hdc; }
    operator HDC() const { return m_hdc; }

private:
    HWND m_hwnd;
    HDC m_hdc;
};

// BeginPaint / EndPaint.
class CPaintDC {
public:
    explicit CPaintDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(::BeginPaint(hwnd, &m_ps)) {}
    ~CPaintDC() { ::EndPaint(m_hwnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    HDC Get() const { return m_hdc; }
    operator HDC() const { return m_hdc; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_hdc;
};

// An owned menu (LoadMenu / DestroyMenu).
class CMenu {
public:
    CMenu() = default;
    ~CMenu() { Destroy(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    BOOL Load(HINSTANCE instance, UINT id) {
        Destroy();
        m_h = ::LoadMenuA(instance, MAKEINTRESOURCEA(id));
        return m_h != nullptr;
    }
    void Destroy() {
        if (m_h) ::DestroyMenu(std::exchange(m_h, nullptr));
    }
    HMENU Get() const { return m_h; }

private:
    HMENU m_h = nullptr;
};

} // namespace fw
