#include "app/PlayerApp.h"

#include "app/FatalErrorReport.h"
#include "app/IniPath.h"
#include "app/PlayerDlg.h"
#include "app/PlayerInstance.h"
#include "app/StartupFiles.h"

#include <commctrl.h>

BOOL CPlayerApp::InitInstance() {
    InstallFatalErrorReport();
    // Themed common controls for the dialogs (the manifest asks for version 6).
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);

    const std::string iniPath = IniPathFor(ModulePath());
    // Read as UTF-16: the ANSI command line would bring names over by best fit.
    std::vector<std::string> files = StartupFiles(::GetCommandLineW());
    // A player already runs on this INI file: it takes the files, this start ends.
    CPlayerInstance instance(iniPath);
    if (!instance.BecomePlayerOrHandOver(files)) return FALSE;

    CPlayerDlg dlg(nullptr);
    dlg.SetIniPath(iniPath);
    dlg.SetStartupFiles(std::move(files));
    dlg.SetInstance(&instance);
    dlg.DoModal();
    return FALSE;
}
