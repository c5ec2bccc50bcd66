#include "playback/DecoderNotifier.h"

namespace {
constexpr std::uint32_t kGenerationMask = 0xFFFFFF;
} // namespace

CDecoderNotifier::CDecoderNotifier(IDecoder& decoder) : m_decoder(decoder) {
    m_decoder.SetCallback(&CDecoderNotifier::Receive, this);
}

CDecoderNotifier::~CDecoderNotifier() {
    m_decoder.SetCallback(nullptr, nullptr);
}

bool CDecoderNotifier::Receive(void* self, int code, int value) {
    return static_cast<CDecoderNotifier*>(self)->Forward(code, value);
}

void CDecoderNotifier::SetTarget(HWND target) {
    m_target.store(target);
}

void CDecoderNotifier::TrackChanging() {
    m_generation.fetch_add(1);
}

bool CDecoderNotifier::Forward(int code, int value) {
    const HWND target = m_target.load();
    if (!target) return false;
    const WPARAM packed = PackWithCode(m_generation.load() & kGenerationMask, code);
    return ::PostMessageA(target, WM_DECODER_NOTIFY, packed, static_cast<LPARAM>(value)) != FALSE;
}

bool CDecoderNotifier::Unpack(WPARAM wParam, LPARAM lParam, int* pCode, int* pValue) const {
    const std::uint32_t generation = static_cast<std::uint32_t>(wParam >> 8) & kGenerationMask;
    if (generation != (m_generation.load() & kGenerationMask)) return false;
    *pCode = static_cast<int>(wParam & 0xFF);
    *pValue = static_cast<int>(lParam);
    return true;
}
