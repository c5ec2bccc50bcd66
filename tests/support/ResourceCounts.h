// Counts for leak checks under Wine, where GetGuiResources and GetProcessHandleCount report 0.
#pragma once

#include <windows.h>

// GDI objects alive in this process, counted in the process's GDI handle table.
int CountGdiObjects();

// Windows of this thread, top-level and child.
int CountThreadWindows();

// Kernel handles open in this process, found by asking the system about every handle value in
// the usual range.
int CountKernelHandles();
