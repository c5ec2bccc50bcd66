// A drop handle as the shell makes it, for WM_DROPFILES in tests.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

// DROPFILES followed by the paths (code page 932), each ending in a zero, and one more zero.
// The receiver frees it with DragFinish.
HDROP MakeDrop(const std::vector<std::string>& paths);
// The same with UTF-16 paths, as the shell hands over names of any language.
HDROP MakeDropW(const std::vector<std::wstring>& paths);
