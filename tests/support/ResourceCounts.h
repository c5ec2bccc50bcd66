// Counts for leak checks under Wine, where GetGuiResources and GetProcessHandleCount report 0.
#pragma once

#include <windows.h>

// GDI objects alive in this process, counted in the process's GDI handle table.
int CountGdiObjects();

// GDI objects that the system itself keeps, and never frees, each time a window with a region
// is shown: measured here on a bare window of the tests' own, so that a leak check counts only
// what is ours. Wine 10 keeps one region per show; Wine 8 and Windows keep none.
int GdiObjectsKeptPerShapedShow();

// Windows of this thread, top-level and child.
int CountThreadWindows();

// Kernel handles open in this process, found by asking the system about every handle value in
// the usual range.
int CountKernelHandles();

// The same counts for another process, read from outside it (tools/soak): its GDI handle table
// through its memory, its windows by enumeration, its handles by duplicating every value. The
// process handle needs PROCESS_QUERY_INFORMATION, PROCESS_VM_READ and PROCESS_DUP_HANDLE.
// -1 where the count could not be taken.
int CountGdiObjects(HANDLE process);
int CountProcessWindows(DWORD processId);
// With `nameEnd`, only the handles whose object's name ends with it.
int CountKernelHandles(HANDLE process, const wchar_t* nameEnd = nullptr);
