// The end of a program whose own code failed where nothing can put it right: a C++ exception
// that reached a window procedure or the program's start. Left alone, the system would carry on
// past the broken message (64-bit Windows swallows it) or end the process without a word, with
// the program's state half changed. Instead the program says so once and ends at once, writing
// nothing more.
#pragma once

#include <windows.h>

namespace fw {

// The exit code of a process ended this way.
constexpr UINT kFatalErrorExitCode = 3;

// Tells the user (a message box in the program's own voice). Null: nobody is told.
using FatalErrorReport = void (*)();
// Returns the report it replaces.
FatalErrorReport SetFatalErrorReport(FatalErrorReport report);

// Runs the report, then ends the process without running anything of the program's (no
// destructor, no saving). A second failure while the report is up ends the process at once.
[[noreturn]] void EndAfterFatalError() noexcept;

} // namespace fw
