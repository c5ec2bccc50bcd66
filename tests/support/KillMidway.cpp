#include "tests/support/KillMidway.h"

#include <windows.h>

namespace {

std::string ThisProgram() {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

} // namespace

bool RunChildAndKillMidway(const std::string& action, const std::string& file,
                           std::mt19937& random) {
    const std::string ready = "vz3-child-ready-" + std::to_string(::GetCurrentProcessId());
    HANDLE readyEvent = ::CreateEventA(nullptr, TRUE, FALSE, ready.c_str());
    std::string command =
        "\"" + ThisProgram() + "\" --child " + action + " \"" + file + "\" " + ready;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        ::CloseHandle(readyEvent);
        return false;
    }
    const bool started = ::WaitForSingleObject(readyEvent, 20000) == WAIT_OBJECT_0;
    if (started) ::Sleep(std::uniform_int_distribution<DWORD>(1, 120)(random));
    ::TerminateProcess(process.hProcess, 9);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(readyEvent);
    return started;
}

void SignalChildReady(const char* eventName) {
    HANDLE event = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName);
    ::SetEvent(event);
    ::CloseHandle(event);
}
