#include "editor/OpenFileDialog.h"

#include "framework/AnsiText.h"
#include "editor/OpenFileNames.h"
#include "res/UiText.h"

#include <cderr.h>

#include <utility>

namespace {

// The name buffer holds 16384 bytes; one more unit, always zero, ends a list that the dialog
// cut off without its final zero.
constexpr DWORD kNameBufferUnits = 16384 / sizeof(wchar_t);

FileDialogHandler& Handler() {
    static FileDialogHandler handler;
    return handler;
}

// "label|pattern||" as the dialog's UTF-16 form: every '|' a zero.
std::wstring FilterText(const char* ansi) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi, -1, &wide[0], length);
    for (wchar_t& c : wide)
        if (c == L'|') c = L'\0';
    return wide;
}

// Wine copies the names of several chosen files into the buffer without looking at its size
// (Windows checks, and fails with FNERR_BUFFERTOOSMALL); a large selection would overwrite the
// heap. Under Wine the dialog's OK command is therefore weighed first: a selection whose names
// cannot fit ends the dialog the way Windows does. The dialog is found as it is created.
struct CSelectionGuard {
    HHOOK hook = nullptr;
    HWND owner = nullptr;
    WNDPROC dialogProc = nullptr;
    DWORD toldUnits = 0;
    bool tooLarge = false;
};
thread_local CSelectionGuard* t_pGuard = nullptr;

bool RunningUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

LRESULT CALLBACK GuardedDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CSelectionGuard& guard = *t_pGuard;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        // The dialog would write the folder and the names, each with its zero, and one more
        // zero. The name box holds the names quoted and apart, which is never shorter.
        const LRESULT folder = ::SendMessageW(hwnd, CDM_GETFOLDERPATH, 0, 0);
        const LRESULT names = ::SendMessageW(hwnd, CDM_GETSPEC, 0, 0);
        if (folder > 0 && names > 0 && static_cast<DWORD>(folder + names) > guard.toldUnits) {
            guard.tooLarge = true;
            message = WM_COMMAND;
            wParam = MAKEWPARAM(IDCANCEL, BN_CLICKED);
            lParam = 0;
        }
    }
    return ::CallWindowProcW(guard.dialogProc, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FindFileDialog(int code, WPARAM wParam, LPARAM lParam) {
    CSelectionGuard& guard = *t_pGuard;
    if (code == HCBT_CREATEWND) {
        const HWND hwnd = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        wchar_t className[16] = {};
        ::GetClassNameW(hwnd, className, 16);
        if (create->hwndParent == guard.owner && std::wstring(className) == L"#32770") {
            guard.dialogProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
                hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GuardedDialogProc)));
            ::UnhookWindowsHookEx(std::exchange(guard.hook, nullptr));
            return 0;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

CFileDialogAnswer RunDialog(OPENFILENAMEW& ofn) {
    if (Handler()) return Handler()(ofn);
    if (!RunningUnderWine()) {
        const BOOL ok = ::GetOpenFileNameW(&ofn);
        return {ok, ok ? 0 : ::CommDlgExtendedError()};
    }
    CSelectionGuard guard;
    guard.owner = ofn.hwndOwner;
    guard.toldUnits = ofn.nMaxFile;
    t_pGuard = &guard;
    guard.hook = ::SetWindowsHookExW(WH_CBT, FindFileDialog, nullptr, ::GetCurrentThreadId());
    const BOOL ok = ::GetOpenFileNameW(&ofn);
    const DWORD error = ok ? 0 : ::CommDlgExtendedError();
    if (guard.hook) ::UnhookWindowsHookEx(guard.hook);
    t_pGuard = nullptr;
    if (guard.tooLarge) return {FALSE, FNERR_BUFFERTOOSMALL};
    return {ok, error};
}

} // namespace

CChosenFiles ChooseMp3Files(HWND owner) {
    const std::wstring filter = FilterText(ui::kMp3Filter);
    std::vector<wchar_t> names(kNameBufferUnits + 1, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = names.data();
    ofn.nMaxFile = kNameBufferUnits;
    // Without OFN_EXPLORER a multiple selection opens the old-style dialog.
    ofn.Flags = OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_EXPLORER;

    CChosenFiles chosen;
    const CFileDialogAnswer answer = RunDialog(ofn);
    if (!answer.bOk) {
        if (answer.dwError == FNERR_BUFFERTOOSMALL)
            chosen.outcome = CChosenFiles::Outcome::TooLarge;
        return chosen;
    }
    names.back() = L'\0'; // the list ends inside the allocation, cut or not
    const std::u16string units(names.begin(), names.end());
    const COpenFileNames parsed = ParseOpenFileNames(units.c_str(), kNameBufferUnits);
    if (parsed.bTooLarge) {
        chosen.outcome = CChosenFiles::Outcome::TooLarge;
        return chosen;
    }
    chosen.outcome = CChosenFiles::Outcome::Chosen;
    for (const std::u16string& path : parsed.paths) {
        std::string ansi;
        if (!fw::ToAnsiPath(std::wstring(path.begin(), path.end()), &ansi)) ansi.clear();
        chosen.paths.push_back(std::move(ansi));
    }
    return chosen;
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}
