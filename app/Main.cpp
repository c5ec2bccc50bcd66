// Program entry.
#include "app/PlayerApp.h"

#include <windows.h>

namespace {
// The one application object, built during static initialisation.
CPlayerApp theApp;
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Never load a DLL from the current folder (for example a music folder the program was
    // started from): take it out of the search path before anything else loads one.
    ::SetDllDirectoryA("");
    return theApp.Run();
}
