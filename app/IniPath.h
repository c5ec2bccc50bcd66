// Where the program keeps its INI file. Platform-free.
#pragma once

#include <string>

// The INI file lies in the executable's own folder and bears the executable's base name with
// the extension ".INI": drive and folder of `helpFilePath`, then `profileName` (both as the
// application object derives them from the module path).
std::string ComposeIniPath(const std::string& helpFilePath, const std::string& profileName);
