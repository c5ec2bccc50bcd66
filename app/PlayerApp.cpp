#include "app/PlayerApp.h"

#include "app/IniPath.h"
#include "app/PlayerDlg.h"

#include <commctrl.h>

BOOL CPlayerApp::InitInstance() {
    // Themed common controls for the dialogs (the manifest asks for version 6).
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);

    CPlayerDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.m_strIniPath = ComposeIniPath(m_strHelpFilePath, m_strProfileName);
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
