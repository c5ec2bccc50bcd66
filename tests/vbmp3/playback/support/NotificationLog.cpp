#include "tests/vbmp3/playback/support/NotificationLog.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace vbmp3test {
namespace {

struct State {
    std::mutex lock;
    std::condition_variable changed;
    std::vector<Notification> log;
    std::function<void(INT32, INT32)> action;
};

State& TheState() {
    static State state;
    return state;
}

} // namespace

double NowSeconds() {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void WINAPI NotificationLog::Record(INT32 code, INT32 value) {
    State& state = TheState();
    std::function<void(INT32, INT32)> action;
    {
        std::lock_guard<std::mutex> lock(state.lock);
        state.log.push_back({code, value, NowSeconds(), ::GetCurrentThreadId()});
        action = state.action;
    }
    state.changed.notify_all();
    if (action) action(code, value);
}

void NotificationLog::Clear() {
    std::lock_guard<std::mutex> lock(TheState().lock);
    TheState().log.clear();
}

std::vector<Notification> NotificationLog::All() {
    std::lock_guard<std::mutex> lock(TheState().lock);
    return TheState().log;
}

int NotificationLog::Count(INT32 code) {
    std::lock_guard<std::mutex> lock(TheState().lock);
    const auto& log = TheState().log;
    return static_cast<int>(std::count_if(
        log.begin(), log.end(), [code](const Notification& n) { return n.code == code; }));
}

bool NotificationLog::WaitFor(INT32 code, int count, DWORD timeoutMs) {
    State& state = TheState();
    std::unique_lock<std::mutex> lock(state.lock);
    return state.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        return std::count_if(state.log.begin(), state.log.end(),
                             [code](const Notification& n) { return n.code == code; }) >= count;
    });
}

void NotificationLog::SetAction(std::function<void(INT32, INT32)> action) {
    std::lock_guard<std::mutex> lock(TheState().lock);
    TheState().action = std::move(action);
}

} // namespace vbmp3test
