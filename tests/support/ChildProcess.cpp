#include "tests/support/ChildProcess.h"

#include "framework/Handle.h"

#include <cstdlib>

namespace {

std::string ThisProgram() {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string ChildCommand(const std::string& action, const std::vector<std::string>& args) {
    std::string command = "\"" + ThisProgram() + "\" --child " + action;
    for (const std::string& arg : args)
        command += " \"" + arg + "\"";
    return command;
}

bool Start(std::string command, PROCESS_INFORMATION* process) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, process) != FALSE;
}

// Kills the child if it still runs, waits for it and returns its exit code.
DWORD EndChild(PROCESS_INFORMATION& process) {
    ::TerminateProcess(process.hProcess, 9);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return code;
}

} // namespace

bool RunChildAndKillMidway(const std::string& action, const std::string& file,
                           std::mt19937& random) {
    const std::string ready = "vz3-child-ready-" + std::to_string(::GetCurrentProcessId());
    HANDLE readyEvent = ::CreateEventA(nullptr, TRUE, FALSE, ready.c_str());
    PROCESS_INFORMATION process{};
    if (!Start(ChildCommand(action, {file, ready}), &process)) {
        ::CloseHandle(readyEvent);
        return false;
    }
    const bool started = ::WaitForSingleObject(readyEvent, 20000) == WAIT_OBJECT_0;
    if (started) ::Sleep(std::uniform_int_distribution<DWORD>(1, 120)(random));
    EndChild(process);
    ::CloseHandle(readyEvent);
    return started;
}

int KillRounds(int byDefault) {
    char value[16] = {};
    const DWORD n = ::GetEnvironmentVariableA("PLAYER_KILL_ROUNDS", value, sizeof value);
    const int rounds = n > 0 && n < sizeof value ? std::atoi(value) : 0;
    return rounds > 0 ? rounds : byDefault;
}

std::string FileContents(const std::string& path) {
    fw::CHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return ::GetLastError() == ERROR_FILE_NOT_FOUND ? "" : "(unreadable)";
    std::string contents;
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0)
        contents.append(buffer, n);
    return contents;
}

void SignalChildReady(const char* eventName) {
    HANDLE event = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName);
    ::SetEvent(event);
    ::CloseHandle(event);
}

long RunChildToItsEnd(const std::string& action, const std::vector<std::string>& args,
                      DWORD timeoutMs) {
    PROCESS_INFORMATION process{};
    if (!Start(ChildCommand(action, args), &process)) return -1;
    const bool ended = ::WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    const DWORD code = EndChild(process);
    return ended ? static_cast<long>(code) : -1;
}
