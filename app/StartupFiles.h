// Files given on the command line ("Open with", a drop on the program's icon).
#pragma once

#include <string>
#include <vector>

// The files a command line names after the program's own name, as full paths in code page 932,
// in their order. A name that has no exact code page 932 form comes as an empty string, which
// the drop handling reports as a file it cannot read.
std::vector<std::string> StartupFiles(const wchar_t* commandLine);
