#include "vbmp3/playback/ThreadName.h"

#include <windows.h>

namespace vbmp3 {

void NameThisThread(const wchar_t* name) {
    // Looked up at run time: the library also runs on systems that lack the function.
    using SetThreadDescriptionFunc = HRESULT(WINAPI*)(HANDLE, PCWSTR);
    const HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    const auto set = reinterpret_cast<SetThreadDescriptionFunc>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetThreadDescription")));
    if (set) set(::GetCurrentThread(), name);
}

} // namespace vbmp3
