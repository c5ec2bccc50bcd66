// The application object: finds the INI file and runs the main window modally.
#pragma once

#include "framework/App.h"

class CPlayerApp : public fw::CWinApp {
protected:
    // Runs the main window to its end; returns FALSE, so the program then ends.
    BOOL InitInstance() override;
};
