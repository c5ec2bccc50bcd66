#include "playback/DecoderNotifier.h"

#include "framework/FatalError.h"
#include "playback/PlayerController.h"

namespace {

constexpr UINT WM_DECODER_NOTIFY = WM_APP + 1;
constexpr char kWindowClass[] = "VizuRE3.DecoderNotifier";
constexpr std::uint32_t kGenerationMask = 0xFFFFFF;

} // namespace

CDecoderNotifier::CDecoderNotifier(IDecoder& decoder) : m_decoder(decoder) {
    m_decoder.SetCallback(&CDecoderNotifier::Receive, this);
}

CDecoderNotifier::~CDecoderNotifier() {
    m_decoder.SetCallback(nullptr, nullptr);
    DeliverTo(nullptr);
}

bool CDecoderNotifier::Receive(void* self, int code, int value) {
    return static_cast<CDecoderNotifier*>(self)->Forward(code, value);
}

bool CDecoderNotifier::DeliverTo(CPlayerController* controller) {
    m_target.store(nullptr);
    m_window.reset(); // what it still had queued goes with it
    m_pController = controller;
    if (!controller) return true;
    static const ATOM windowClass = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &CDecoderNotifier::WindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = kWindowClass;
        return ::RegisterClassA(&wc);
    }();
    if (!windowClass) return false;
    m_window.reset(::CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr));
    if (!m_window) return false;
    ::SetWindowLongPtrA(m_window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_target.store(m_window.get());
    return true;
}

void CDecoderNotifier::TrackChanging() {
    m_generation.fetch_add(1);
}

bool CDecoderNotifier::Forward(int code, int value) {
    const HWND target = m_target.load();
    if (!target) return false;
    // The notification's code in the low 8 bits, the generation above.
    const WPARAM packed = (static_cast<WPARAM>(m_generation.load() & kGenerationMask) << 8) |
                          (static_cast<std::uint32_t>(code) & 0xFF);
    return ::PostMessageA(target, WM_DECODER_NOTIFY, packed, static_cast<LPARAM>(value)) != FALSE;
}

LRESULT CALLBACK CDecoderNotifier::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message != WM_DECODER_NOTIFY) return ::DefWindowProcA(window, message, wParam, lParam);
    // Nothing unwinds into the system's frames: the program ends rather than go on half done.
    try {
        const auto* self =
            reinterpret_cast<const CDecoderNotifier*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self) self->Deliver(wParam, lParam);
    } catch (...) {
        fw::EndAfterFatalError();
    }
    return 0;
}

void CDecoderNotifier::Deliver(WPARAM packed, LPARAM value) const {
    const std::uint32_t generation = static_cast<std::uint32_t>(packed >> 8) & kGenerationMask;
    if (!m_pController || generation != (m_generation.load() & kGenerationMask)) return;
    m_pController->OnDecoderNotify(static_cast<int>(packed & 0xFF), static_cast<int>(value));
}
