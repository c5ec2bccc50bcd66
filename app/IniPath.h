// Where the program keeps its INI file. Platform-free.
#pragma once

#include <string>

// The INI file lies in the executable's own folder and bears the executable's base name with
// the extension ".INI" (C:\Apps\VizuRE3.exe: C:\Apps\VizuRE3.INI).
std::string IniPathFor(const std::string& modulePath);
