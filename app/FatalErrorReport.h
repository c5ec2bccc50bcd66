// How the player tells the user that its own code failed and it ends (see framework/FatalError).
#pragma once

// Installs the player's report: one message box, in its own words, over every window.
void InstallFatalErrorReport();
