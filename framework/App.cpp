#include "framework/App.h"

#include "framework/FatalError.h"

#include <vector>

namespace fw {

std::string CWinApp::ModulePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return std::string();
        if (n < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2); // truncated: try a larger buffer
    }
}

int CWinApp::Run() {
    // What throws outside any window procedure (while starting, or in the loop) ends the program
    // the same way as what throws inside one.
    try {
        if (InitInstance()) {
            MSG msg;
            while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            return static_cast<int>(msg.wParam);
        }
        return 0;
    } catch (...) {
        EndAfterFatalError();
    }
}

} // namespace fw
