// Splitting a program's command line into arguments, as the C runtime does for argv, aware of
// double-byte characters (a trail byte 0x5C before a quote is no escape). Platform-free.
#pragma once

#include <string>
#include <vector>

// The arguments of a command line that holds no program name (what WinMain receives).
std::vector<std::string> SplitCommandLine(const std::string& line);
