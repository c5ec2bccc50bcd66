#include "tests/support/ResourceCounts.h"

#include <winternl.h>

namespace {

// An entry of the GDI handle table that the process environment block points to.
struct GdiHandleEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type; // zero for a free entry
    unsigned char flags;
    unsigned long long user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry");
constexpr int kGdiTableEntries = 16384;
constexpr size_t kPebGdiTableOffset = 0xF8; // 64-bit process environment block

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    ::EnumChildWindows(hwnd, &CountWindow, counter);
    return TRUE;
}

} // namespace

int CountGdiObjects() {
#ifdef _WIN64
// GCC takes the segment-relative read inside NtCurrentTeb for an access to a zero-length array.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
    const char* peb = reinterpret_cast<const char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
    const GdiHandleEntry* table =
        *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiTableOffset);
    if (!table) return -1;
    int count = 0;
    for (int i = 0; i < kGdiTableEntries; ++i)
        count += table[i].type != 0;
    return count;
#else
    return -1;
#endif
}

int CountThreadWindows() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

int CountKernelHandles() {
    int count = 0;
    for (UINT_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}
