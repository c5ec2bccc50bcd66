// The keyboard's media keys drive the player as the menu does, also while another window has
// the focus, and a key that another program holds stays that program's.
#include "playback/ControlCodes.h"
#include "tests/support/PlayerDlgFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr char kHelperTitle[] = "vz3 media key helper";

// A window of the tests' own, which has the focus while the keys are pressed (Wine delivers
// hot keys while one of its windows has the X focus) and can hold a key itself.
class CHelperWindow {
public:
    CHelperWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "Vz3MediaKeyHelper";
        ::RegisterClassA(&wc);
        m_hWnd = ::CreateWindowA(wc.lpszClassName, kHelperTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 400, 300, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
        s_hotKeys = 0;
    }
    ~CHelperWindow() { ::DestroyWindow(m_hWnd); }
    HWND Get() const { return m_hWnd; }
    static int s_hotKeys;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
        if (message == WM_HOTKEY) ++s_hotKeys;
        return ::DefWindowProcA(hwnd, message, w, l);
    }
    HWND m_hWnd;
};
int CHelperWindow::s_hotKeys = 0;

// Wine starts a Linux program without a process handle (hProcess is null), so the wait cannot
// tell when it is done: Press waits for the key's effect instead.
bool RunAndWait(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return false;
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

class MediaKeys : public PlayerDlgTest {
protected:
    void SetUp() override {
        WriteIni("[VIZURE3]\r\nREGNUM=3\r\nFILENAME0000=C:\\m\\0.mp3\r\n"
                 "FILENAME0001=C:\\m\\1.mp3\r\nFILENAME0002=C:\\m\\2.mp3\r\n");
    }
    // Presses a key through the X server, as the keyboard would, with the helper focused, and
    // lets the messages come until `done` holds (or two seconds pass).
    bool Press(const char* keySym, const std::function<bool()>& done) {
        const std::string focus = std::string("/usr/bin/xdotool search --name \"") + kHelperTitle +
                                  "\" windowfocus --sync";
        if (!RunAndWait(focus) || !RunAndWait(std::string("/usr/bin/xdotool key ") + keySym))
            return false;
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 2000) {
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessageA(&msg);
            if (done()) return true;
            ::Sleep(10);
        }
        return false;
    }
    bool Plays(const std::string& path) const {
        return decoder.OpenPath() == path && decoder.State() == IDecoder::STATE_PLAYING;
    }
};

TEST_F(MediaKeys, DriveThePlayerAsTheMenuDoes) {
    CHelperWindow helper;
    auto dlg = OpenDlg();
    EXPECT_TRUE(Press("XF86AudioPlay", [&] { return Plays("C:\\m\\0.mp3"); }));
    EXPECT_TRUE(Press("XF86AudioNext", [&] { return Plays("C:\\m\\1.mp3"); }));
    EXPECT_TRUE(Press("XF86AudioPrev", [&] { return Plays("C:\\m\\0.mp3"); }));
    EXPECT_TRUE(Press("XF86AudioPlay", [&] { return decoder.State() == IDecoder::STATE_PAUSED; }));
    EXPECT_TRUE(Press("XF86AudioStop", [&] { return decoder.State() == IDecoder::STATE_STOPPED; }));
    EXPECT_EQ(0, CHelperWindow::s_hotKeys);
    dlg->DestroyWindow();
    // Gone with the window: the keys are free for others again.
    ASSERT_TRUE(::RegisterHotKey(helper.Get(), 1, 0, VK_MEDIA_PLAY_PAUSE));
    ::UnregisterHotKey(helper.Get(), 1);
}

TEST_F(MediaKeys, AKeyAnotherProgramHoldsStaysItsOwn) {
    CHelperWindow helper;
    ASSERT_TRUE(::RegisterHotKey(helper.Get(), 7, 0, VK_MEDIA_STOP)); // before the player starts
    auto dlg = OpenDlg();
    ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE));
    EXPECT_TRUE(Press("XF86AudioStop", [] { return CHelperWindow::s_hotKeys == 1; }));
    EXPECT_TRUE(Plays("C:\\m\\0.mp3")); // the player did not stop
    EXPECT_TRUE(Press("XF86AudioNext", [&] { return Plays("C:\\m\\1.mp3"); })); // the others work
    ::UnregisterHotKey(helper.Get(), 7);
    dlg->DestroyWindow();
}

} // namespace
