#include "framework/FatalError.h"

#include <atomic>

namespace fw {
namespace {

std::atomic<FatalErrorReport> g_report{nullptr};
std::atomic<bool> g_ending{false};

} // namespace

FatalErrorReport SetFatalErrorReport(FatalErrorReport report) {
    return g_report.exchange(report);
}

void EndAfterFatalError() noexcept {
    // The report's message box runs a message loop: the broken windows may fail again in it.
    if (!g_ending.exchange(true)) {
        const FatalErrorReport report = g_report.load();
        if (report) {
            try {
                report();
            } catch (...) {
            }
        }
    }
    ::TerminateProcess(::GetCurrentProcess(), kFatalErrorExitCode);
    for (;;) // TerminateProcess on the own process does not return
        ::Sleep(INFINITE);
}

} // namespace fw
