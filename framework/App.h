// The application object: one per program, built during static initialisation.
//
// Run() fills in the names derived from the module path and calls InitInstance. A dialog-based
// program does all its work inside InitInstance (a modal main window) and returns FALSE there,
// which ends the program without a message loop of the application's own.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class CDialog;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Entry from WinMain. Returns the process exit code.
    int Run(HINSTANCE instance, const char* commandLine);

    static CWinApp* Get() { return s_pApp; }

    HINSTANCE m_hInstance = nullptr;
    const char* m_lpCmdLine = "";
    // Full module path with everything from its last "." replaced by ".HLP".
    std::string m_strHelpFilePath;
    // Module's base file name without its last extension, followed by ".INI".
    std::string m_strProfileName;
    CDialog* m_pMainWnd = nullptr;

protected:
    // TRUE would mean "run a message loop"; a dialog-based program returns FALSE.
    virtual BOOL InitInstance() = 0;

private:
    static CWinApp* s_pApp;
};

} // namespace fw
