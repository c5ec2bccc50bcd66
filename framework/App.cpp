#include "framework/App.h"

#include "framework/PathNames.h"

#include <vector>
namespace fw {

CWinApp* CWinApp::s_pApp = nullptr;

namespace {
std::string GetModulePathA(HMODULE module) {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return std::string();
        if (n < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2); // truncated: try a larger buffer
    }
}
} // namespace

CWinApp::CWinApp() {
    s_pApp = this;
}

CWinApp::~CWinApp() {
    if (s_pApp == this) s_pApp = nullptr;
}

int CWinApp::Run(HINSTANCE instance, const char* commandLine) {
    m_hInstance = instance;
    m_lpCmdLine = commandLine ? commandLine : "";
    const std::string modulePath = GetModulePathA(nullptr);
    m_strHelpFilePath = HelpFilePathFor(modulePath);
    m_strProfileName = ProfileNameFor(modulePath);
    if (InitInstance()) {
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        return static_cast<int>(msg.wParam);
    }
    return 0;
}

} // namespace fw
