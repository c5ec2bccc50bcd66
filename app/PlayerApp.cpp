#include "app/PlayerApp.h"

#include "app/IniPath.h"
#include "app/PlayerDlg.h"
#include "app/StartupFiles.h"

#include <commctrl.h>

BOOL CPlayerApp::InitInstance() {
    // Themed common controls for the dialogs (the manifest asks for version 6).
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);

    CPlayerDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.SetIniPath(ComposeIniPath(m_strHelpFilePath, m_strProfileName));
    // Read as UTF-16: the ANSI command line would bring names over by best fit.
    dlg.SetStartupFiles(StartupFiles(::GetCommandLineW()));
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
