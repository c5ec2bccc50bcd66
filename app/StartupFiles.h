// Files given on the command line ("Open with", a drop on the program's icon).
#pragma once

#include <string>
#include <vector>

// The files a command line names after the program's own name, as full paths in code page 932
// (by their short names where the long ones have no code page 932 form), in their order. A file
// that cannot be named either way comes as an empty string, which the drop handling reports.
std::vector<std::string> StartupFiles(const wchar_t* commandLine);
