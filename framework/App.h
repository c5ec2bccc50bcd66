// The application object: one per program, built during static initialisation.
//
// Run() calls InitInstance. A dialog-based program does all its work inside InitInstance (a
// modal main window) and returns FALSE there, which ends the program without a message loop of
// the application's own.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class CWinApp {
public:
    CWinApp() = default;
    virtual ~CWinApp() = default;

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Entry from WinMain. Returns the process exit code.
    int Run();

    // The program's own file, full path in the system code page.
    static std::string ModulePath();

protected:
    // TRUE would mean "run a message loop"; a dialog-based program returns FALSE.
    virtual BOOL InitInstance() = 0;
};

} // namespace fw
