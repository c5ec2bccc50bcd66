#include "app/PlayerInstance.h"

#include "app/HandOverMessage.h"

#include <cstdint>
#include <cstdio>

namespace {

// A running player that has not published its window this long after our start is not coming.
constexpr DWORD kStartUpWaitMs = 5000;
// How long a later start waits while the running player asks whether to end, or ends: if it
// ends, the later start becomes the player; if it stays, it takes the files.
constexpr DWORD kBusyWaitMs = 10 * 60 * 1000;
constexpr DWORD kRetryMs = 100;
constexpr DWORD kSendTimeoutMs = 5000;

std::wstring Widen(const std::string& ansi) {
    const int n =
        ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], n);
    return wide;
}

// GetFullPathNameW / GetLongPathNameW: the result, or `path` itself when the call fails.
template <class Call> std::wstring PathCall(const std::wstring& path, Call call) {
    const DWORD size = call(path.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::wstring out(size, L'\0');
    const DWORD n = call(path.c_str(), &out[0], size);
    if (n == 0 || n >= size) return path;
    out.resize(n);
    return out;
}

// The long form of a path whose last part may not exist yet (the INI file before the first
// save): its folder is resolved, its name kept.
std::wstring LongPath(const std::wstring& full) {
    auto longName = [](const wchar_t* p, wchar_t* out, DWORD size) {
        return ::GetLongPathNameW(p, out, size);
    };
    const std::wstring whole = PathCall(full, longName);
    if (whole != full) return whole;
    const size_t slash = full.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return full;
    return PathCall(full.substr(0, slash), longName) + full.substr(slash);
}

// FNV-1a over the UTF-16 units: a fixed-length name, free of backslashes.
std::uint64_t Hash(const std::wstring& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : text) {
        hash ^= static_cast<std::uint16_t>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

std::wstring PlayerInstanceName(const std::string& iniPath) {
    auto fullName = [](const wchar_t* p, wchar_t* out, DWORD size) {
        return ::GetFullPathNameW(p, size, out, nullptr);
    };
    std::wstring path = LongPath(PathCall(Widen(iniPath), fullName));
    if (!path.empty()) ::CharUpperBuffW(&path[0], static_cast<DWORD>(path.size()));
    wchar_t name[64];
    std::swprintf(name, 64, L"Local\\VizuRE3-%016llx", static_cast<unsigned long long>(Hash(path)));
    return name;
}

CPlayerInstance::CPlayerInstance(const std::string& iniPath) : m_name(PlayerInstanceName(iniPath)) {
    m_hMutex.Attach(::CreateMutexW(nullptr, TRUE, (m_name + L"-player").c_str()));
    m_bOwner = m_hMutex && ::GetLastError() != ERROR_ALREADY_EXISTS;
    // No mutex at all (out of resources): play alone rather than not at all.
    if (!m_hMutex) m_bOwner = true;
}

CPlayerInstance::~CPlayerInstance() {
    Publish(nullptr);
    if (m_pView) ::UnmapViewOfFile(m_pView);
    if (m_hMutex && m_bOwner) ::ReleaseMutex(m_hMutex);
}

void CPlayerInstance::OpenPublication() {
    if (m_pView) return;
    if (!m_hMapping) {
        m_hMapping.Attach(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                               sizeof(LONG64), (m_name + L"-window").c_str()));
    }
    if (m_hMapping) m_pView = ::MapViewOfFile(m_hMapping, FILE_MAP_WRITE, 0, 0, sizeof(LONG64));
}

void CPlayerInstance::Publish(HWND mainWindow) {
    if (!m_bOwner) return;
    OpenPublication();
    if (!m_pView) return;
    const LONG64 value = static_cast<LONG64>(reinterpret_cast<std::intptr_t>(mainWindow));
    ::InterlockedExchange64(static_cast<LONG64 volatile*>(m_pView), value);
}

HWND CPlayerInstance::PublishedWindow() {
    OpenPublication();
    if (!m_pView) return nullptr;
    const LONG64 value =
        ::InterlockedCompareExchange64(static_cast<LONG64 volatile*>(m_pView), 0, 0);
    HWND window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(value));
    return window && ::IsWindow(window) ? window : nullptr;
}

bool CPlayerInstance::TryToOwn(DWORD timeoutMs) {
    if (m_bOwner) return true;
    const DWORD wait = ::WaitForSingleObject(m_hMutex, timeoutMs);
    m_bOwner = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED; // abandoned: the player died
    return m_bOwner;
}

CPlayerInstance::HandOverResult
CPlayerInstance::HandOver(HWND player, const std::vector<std::string>& files) const {
    // The running player may come to the front: this process is the one the user just started.
    DWORD process = 0;
    ::GetWindowThreadProcessId(player, &process);
    ::AllowSetForegroundWindow(process);
    const std::string data = handover::EncodeFileList(files);
    COPYDATASTRUCT copy{handover::kTag, static_cast<DWORD>(data.size()),
                        const_cast<char*>(data.data())};
    DWORD_PTR taken = 0;
    if (!::SendMessageTimeoutW(player, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy),
                               SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &taken))
        return HandOverResult::Failed;
    return taken ? HandOverResult::Taken : HandOverResult::Busy;
}

bool CPlayerInstance::BecomePlayerOrHandOver(const std::vector<std::string>& files) {
    if (m_bOwner) return true;
    const DWORD start = ::GetTickCount();
    bool seenPlayer = false;
    for (;;) {
        if (HWND player = PublishedWindow()) {
            seenPlayer = true;
            if (HandOver(player, files) == HandOverResult::Taken) return false;
        }
        // The running player is asking whether to end, is ending, or is still starting: if it
        // ends, this start becomes the player.
        if (TryToOwn(kRetryMs)) return true;
        const DWORD waited = ::GetTickCount() - start;
        if (!seenPlayer && waited > kStartUpWaitMs) return false;
        if (waited > kBusyWaitMs) return false;
    }
}
