#include "tests/support/ResourceCounts.h"

#include <winternl.h>

#include <cstdint>
#include <string>
#include <vector>

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
constexpr size_t kPebGdiTableOffset = 0xF8; // in the 64-bit process environment block
#ifdef _WIN64
constexpr size_t kPeb64Below = 0;
#else
// A 32-bit process runs under WoW64 with a 64-bit process environment block one page below its
// own, and only that one names the GDI handle table (whose entries have the same layout).
constexpr size_t kPeb64Below = 0x1000;
#endif

int CountUsedEntries(const GdiHandleEntry* table) {
    int count = 0;
    for (int i = 0; i < kGdiTableEntries; ++i)
        count += table[i].type != 0;
    return count;
}

// The table's address as the 64-bit block holds it; null where it is not (or not addressable).
const GdiHandleEntry* TableAt(unsigned long long address) {
    if (address == 0 || address != static_cast<uintptr_t>(address)) return nullptr;
    return reinterpret_cast<const GdiHandleEntry*>(static_cast<uintptr_t>(address));
}

// EnumChildWindows walks every descendant, grandchildren included: counted once each.
BOOL CALLBACK CountOne(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK CountWithDescendants(HWND hwnd, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    ::EnumChildWindows(hwnd, &CountOne, counter);
    return TRUE;
}

struct ProcessWindows {
    DWORD processId;
    int count;
};

BOOL CALLBACK CountIfOfProcess(HWND hwnd, LPARAM param) {
    auto* windows = reinterpret_cast<ProcessWindows*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner == windows->processId)
        CountWithDescendants(hwnd, reinterpret_cast<LPARAM>(&windows->count));
    return TRUE;
}

constexpr UINT_PTR kLastHandleValue = 0x10000;

// Whether the name of the object behind `handle` ends with `end`.
bool NameEndsWith(HANDLE handle, const std::wstring& end) {
    alignas(8) char buffer[2048];
    ULONG length = 0;
    const auto kObjectNameInformation = static_cast<OBJECT_INFORMATION_CLASS>(1);
    if (NtQueryObject(handle, kObjectNameInformation, buffer, sizeof buffer, &length) != 0)
        return false;
    const auto* name = reinterpret_cast<const UNICODE_STRING*>(buffer);
    const std::wstring text(name->Buffer ? name->Buffer : L"", name->Length / sizeof(wchar_t));
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

int CountGdiObjects() {
// GCC takes the segment-relative read inside NtCurrentTeb for an access to a zero-length array.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
    const char* peb = reinterpret_cast<const char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
    const GdiHandleEntry* table = TableAt(
        *reinterpret_cast<const unsigned long long*>(peb - kPeb64Below + kPebGdiTableOffset));
    return table ? CountUsedEntries(table) : -1;
}

int GdiObjectsKeptPerShapedShow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "Vz3ShapedShow";
    ::RegisterClassA(&wc); // fails harmlessly when it is already there
    HWND window =
        ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "", WS_POPUP, 0, 0,
                          16, 16, nullptr, nullptr, wc.hInstance, nullptr);
    ::SetWindowRgn(window, ::CreateRectRgn(0, 0, 8, 8), FALSE);
    auto showAndHide = [window] {
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
        ::ShowWindow(window, SW_HIDE);
        MSG msg;
        while (::PeekMessageA(&msg, window, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    };
    showAndHide(); // the first show may fill caches
    constexpr int kShows = 4;
    const int before = CountGdiObjects();
    for (int i = 0; i < kShows; ++i)
        showAndHide();
    const int kept = (CountGdiObjects() - before + kShows / 2) / kShows;
    ::DestroyWindow(window);
    return kept;
}

int CountThreadWindows() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWithDescendants,
                        reinterpret_cast<LPARAM>(&count));
    return count;
}

int CountKernelHandles() {
    int count = 0;
    for (UINT_PTR value = 4; value < kLastHandleValue; value += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

int CountGdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) != 0)
        return -1;
    // A process of this program's own width: its block lies where this one's does.
    const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    unsigned long long address = 0;
    SIZE_T read = 0;
    if (!::ReadProcessMemory(process, peb - kPeb64Below + kPebGdiTableOffset, &address,
                             sizeof address, &read))
        return -1;
    const GdiHandleEntry* table = TableAt(address);
    if (!table) return -1;
    std::vector<GdiHandleEntry> copy(kGdiTableEntries);
    if (!::ReadProcessMemory(process, table, copy.data(), copy.size() * sizeof copy[0], &read))
        return -1;
    return CountUsedEntries(copy.data());
}

int CountProcessWindows(DWORD processId) {
    ProcessWindows windows{processId, 0};
    ::EnumWindows(&CountIfOfProcess, reinterpret_cast<LPARAM>(&windows));
    return windows.count;
}

int CountKernelHandles(HANDLE process, const wchar_t* nameEnd) {
    int count = 0;
    for (UINT_PTR value = 4; value < kLastHandleValue; value += 4) {
        HANDLE copy = nullptr;
        if (::DuplicateHandle(process, reinterpret_cast<HANDLE>(value), ::GetCurrentProcess(),
                              &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
            count += !nameEnd || NameEndsWith(copy, nameEnd);
            ::CloseHandle(copy);
        }
    }
    return count;
}
