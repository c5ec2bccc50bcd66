// The one way the program shows a message box, so that tests can answer it.
#pragma once

#include <windows.h>

#include <functional>

namespace fw {

// Same contract as MessageBoxA: returns the button pressed (IDOK, IDYES, IDNO...).
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT flags);

// Replaces the system's message box for this process (tests); an empty function restores it.
using MessageBoxHandler =
    std::function<int(HWND owner, const char* text, const char* caption, UINT flags)>;
// Returns the handler it replaces, so that a scoped replacement can put it back.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace fw
