#include "playback/DecoderNotifier.h"

#include "playback/PlayerController.h"

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

void CDecoderNotifier::SetTarget(HWND target, CPlayerController* controller) {
    m_pController = controller;
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

bool CDecoderNotifier::Unpack(const CPostedNotification& posted, int* pCode, int* pValue) const {
    const std::uint32_t generation =
        static_cast<std::uint32_t>(posted.packed >> 8) & kGenerationMask;
    if (generation != (m_generation.load() & kGenerationMask)) return false;
    *pCode = static_cast<int>(posted.packed & 0xFF);
    *pValue = static_cast<int>(posted.value);
    return true;
}

void CDecoderNotifier::Deliver(const CPostedNotification& posted) const {
    int code = 0, value = 0;
    if (m_pController && Unpack(posted, &code, &value)) m_pController->OnDecoderNotify(code, value);
}
