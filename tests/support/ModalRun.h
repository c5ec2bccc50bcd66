// Runs a dialog modally in a test, with a script that acts from inside its message loop.
#pragma once

#include "framework/Dialog.h"

#include <functional>

// Starts dlg.DoModal(); once the loop is running, calls `script` with the dialog's window.
// The script acts as a user would (posting keys, sending messages); the dialog must end
// during or after it (a test that leaves it running fails by its timeout). Returns DoModal's
// result.
INT_PTR RunModal(fw::CModalDialog& dlg, std::function<void(HWND)> script);

// Dispatches the messages waiting for this thread (posted keys reach IsDialogMessage only
// through a message loop).
void PumpMessages();
