// A thousand ticks of a scrolling ticker create no GDI object and allocate nothing of the
// program's own. This program is linked with malloc, calloc and realloc wrapped, so every
// allocation of our code and of the C++ library linked into it (operator new included) is
// counted; Wine's own heap use inside the system's functions is not, and is reported apart.
#include "companions/TickerDlg.h"
#include "playlist/Playlist.h"
#include "tests/companions/TickerPixels.h"
#include "tests/support/IniFileFake.h"
#include "tests/support/ResourceCounts.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {
std::atomic<long> g_allocations{0};
} // namespace

extern "C" {
void* __real_malloc(size_t size);
void* __real_calloc(size_t count, size_t size);
void* __real_realloc(void* block, size_t size);
void* __wrap_malloc(size_t size) {
    ++g_allocations;
    return __real_malloc(size);
}
void* __wrap_calloc(size_t count, size_t size) {
    ++g_allocations;
    return __real_calloc(count, size);
}
void* __wrap_realloc(void* block, size_t size) {
    ++g_allocations;
    return __real_realloc(block, size);
}
}

namespace {

// Bytes in use in the process heap, block by block.
long long ProcessHeapBytes() {
    HANDLE heap = ::GetProcessHeap();
    PROCESS_HEAP_ENTRY entry{};
    long long bytes = 0;
    ::HeapLock(heap);
    while (::HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    ::HeapUnlock(heap);
    return bytes;
}

time_t g_now = 7000000;
time_t Now() {
    return g_now;
}

TEST(TickerTicks, AThousandTicksCreateAndAllocateNothing) {
    CIniFileFake ini;
    CPlaylist playlist(ini);
    CTrackEntry entry;
    entry.m_strArtist = "ぴこもち合唱団";
    entry.m_strTitle = "おもちがふくらむ夜のうた、いちばんからさんばんまで";
    int index = 0;
    ASSERT_TRUE(playlist.Add(&index, entry));
    auto* ticker = new CTickerDlg(nullptr, &Now);
    ticker->m_pPlaylist = &playlist;
    ASSERT_TRUE(ticker->CreateHidden(nullptr));
    ::SetWindowPos(ticker->m_hWnd, nullptr, 100, 100, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(ticker->m_hWnd, SW_SHOW);
    ticker->m_bShown = TRUE;

    const CPixels first = BandOf(TickerPixels(ticker->m_hWnd));
    g_now += 5; // past the pause: every tick from here on moves the line
    for (int i = 0; i < 5; ++i)
        ::SendMessageA(ticker->m_hWnd, WM_TIMER, 1, 0);

    const int gdi = CountGdiObjects();
    const long allocations = g_allocations;
    ASSERT_GT(allocations, 0) << "the allocators are not wrapped: nothing would be counted";
    const long long heap = ProcessHeapBytes();
    for (int i = 0; i < 1000; ++i)
        ::SendMessageA(ticker->m_hWnd, WM_TIMER, 1, 0);
    const long newAllocations = g_allocations - allocations;
    const long long heapGrowth = ProcessHeapBytes() - heap;

    EXPECT_EQ(gdi, CountGdiObjects());
    EXPECT_EQ(0, newAllocations);
    std::printf("process heap over 1000 ticks (Wine's own): %+lld bytes\n", heapGrowth);
    RecordProperty("process_heap_growth_bytes", static_cast<int>(heapGrowth));
    // It did scroll meanwhile.
    EXPECT_NE(first.rgb, BandOf(TickerPixels(ticker->m_hWnd)).rgb);
    ticker->DestroyWindow();
}

} // namespace
