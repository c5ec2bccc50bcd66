#include "app/PlayerApp.h"

#include "app/IniPath.h"
#include "app/PlayerDlg.h"
#include "framework/CommandLine.h"

#include <commctrl.h>

namespace {

// Files given on the command line ("Open with", a drop on the program's icon), as full paths.
std::vector<std::string> StartupFiles(const char* commandLine) {
    std::vector<std::string> files;
    for (const std::string& arg : SplitCommandLine(commandLine)) {
        char full[MAX_PATH * 2];
        const DWORD n = ::GetFullPathNameA(arg.c_str(), sizeof full, full, nullptr);
        files.push_back(n > 0 && n < sizeof full ? std::string(full, n) : arg);
    }
    return files;
}

} // namespace

BOOL CPlayerApp::InitInstance() {
    // Themed common controls for the dialogs (the manifest asks for version 6).
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);

    CPlayerDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.SetIniPath(ComposeIniPath(m_strHelpFilePath, m_strProfileName));
    dlg.SetStartupFiles(StartupFiles(m_lpCmdLine));
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
