// A thousand ticks of a scrolling ticker create no GDI object and allocate nothing of the
// program's own, and the ticker leaves no GDI object behind. This program alone is linked with
// malloc wrapped: our code and the C++ library linked into it (operator new, strings) allocate
// through it; what Wine allocates inside the system's functions is not counted, and its heap is
// reported apart.
#include "companions/TickerDlg.h"
#include "playlist/Playlist.h"
#include "res/resource.h"
#include "tests/companions/TickerPixels.h"
#include "tests/support/IniFileFake.h"
#include "tests/support/ResourceCounts.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <memory>

namespace {
std::atomic<long> g_allocations{0};
time_t g_now = 7000000;
} // namespace

extern "C" void* __real_malloc(size_t size);
extern "C" void* __wrap_malloc(size_t size) {
    ++g_allocations;
    return __real_malloc(size);
}

namespace {

long long ProcessHeapBytesInUse() {
    PROCESS_HEAP_ENTRY entry{};
    long long bytes = 0;
    while (::HeapWalk(::GetProcessHeap(), &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    return bytes;
}

TEST(TickerTicks, AThousandTicksCreateAndAllocateNothing) {
    CIniFileFake ini;
    CPlaylist playlist(ini);
    CTrackEntry entry;
    entry.m_strTitle = "おもちがふくらむ夜のうた、いちばんからさんばんまで";
    int index = 0;
    ASSERT_TRUE(playlist.Add(&index, entry));
    auto open = [&playlist] {
        auto ticker = std::make_unique<CTickerDlg>([] { return g_now; });
        EXPECT_TRUE(ticker->Create(IDD_TICKER, nullptr));
        ::ShowWindow(ticker->Hwnd(), SW_SHOWNA);
        ticker->ShowCurrent(playlist.Current(), 0, true);
        return ticker;
    };
    open()->DestroyWindow(); // a first one warms what Wine keeps for later
    const int gdiBefore = CountGdiObjects();
    ASSERT_GT(gdiBefore, 0) << "GDI objects cannot be counted here";
    std::unique_ptr<CTickerDlg> ticker = open();
    const CPixels first = BandOf(TickerPixels(ticker->Hwnd()));
    g_now += 5; // past the pause: every tick moves the line
    for (int i = 0; i < 5; ++i)
        ::SendMessageA(ticker->Hwnd(), WM_TIMER, 1, 0);

    const int gdi = CountGdiObjects();
    const long allocations = g_allocations;
    ASSERT_GT(allocations, 0) << "the allocators are not wrapped: nothing would be counted";
    const long long heap = ProcessHeapBytesInUse();
    for (int i = 0; i < 1000; ++i)
        ::SendMessageA(ticker->Hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(0, g_allocations - allocations);
    EXPECT_EQ(gdi, CountGdiObjects());
    std::printf("process heap over 1000 ticks (Wine's own): %+lld bytes\n",
                ProcessHeapBytesInUse() - heap);
    EXPECT_NE(first.rgb, BandOf(TickerPixels(ticker->Hwnd())).rgb); // it did move

    ticker->DestroyWindow();
    ticker.reset();
    // What the system keeps of the one show of a shaped window is not ours.
    EXPECT_EQ(gdiBefore + GdiObjectsKeptPerShapedShow(), CountGdiObjects());
}

} // namespace
