#include "app/FatalErrorReport.h"

#include "framework/FatalError.h"
#include "framework/MessageBox.h"
#include "res/UiText.h"

namespace {

void ShowFatalError() {
    // No owner: the failing window may be any of the player's. Task-modal keeps the user's
    // clicks away from all of them while the box is up.
    fw::ShowMessageBox(nullptr, ui::kFatalErrorText, ui::kFatalErrorCaption,
                       MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

} // namespace

void InstallFatalErrorReport() {
    fw::SetFatalErrorReport(&ShowFatalError);
}
