#include "playback/DecoderCallback.h"

#include <atomic>
#include <cstdint>

namespace {

std::atomic<HWND> g_target{nullptr};
// 24 bits travel with each notification beside its 8-bit code; a stale notification would
// need 16 million track changes while it waits in the queue to pass for a current one.
std::atomic<uint32_t> g_generation{0};
constexpr uint32_t kGenerationMask = 0xFFFFFF;

} // namespace

void DecoderCallback(int code, int value) {
    const HWND target = g_target.load();
    if (!target) return;
    const uint32_t generation = g_generation.load() & kGenerationMask;
    const WPARAM packed =
        (static_cast<WPARAM>(generation) << 8) | (static_cast<uint32_t>(code) & 0xFF);
    ::PostMessageA(target, WM_DECODER_NOTIFY, packed, static_cast<LPARAM>(value));
}

void SetDecoderNotifyTarget(HWND hwnd) {
    g_target.store(hwnd);
}

void AdvanceDecoderGeneration() {
    g_generation.fetch_add(1);
}

bool UnpackDecoderNotify(WPARAM wParam, LPARAM lParam, int* pCode, int* pValue) {
    const uint32_t generation = static_cast<uint32_t>(wParam >> 8) & kGenerationMask;
    if (generation != (g_generation.load() & kGenerationMask)) return false;
    *pCode = static_cast<int>(wParam & 0xFF);
    *pValue = static_cast<int>(lParam);
    return true;
}
