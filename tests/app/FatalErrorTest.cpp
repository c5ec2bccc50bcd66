// A handler of the player that throws: the player says so in one box of its own and ends at
// once, writing nothing, so its INI file stays as it was.
#include "app/FatalErrorReport.h"
#include "app/PlayerDlg.h"
#include "framework/FatalError.h"
#include "framework/IniFileWin32.h"
#include "framework/MessageBox.h"
#include "framework/PopupMenu.h"
#include "res/UiText.h"
#include "res/resource.h"
#include "tests/support/ChildAction.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FakeDecoder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Child: a player on the INI file argv[1] whose decoder throws when asked to play; every message
// box is written to argv[2] and answered OK. Play is chosen from the right-click menu.
int PlayOnABrokenDecoder(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string record = argv[2];
    InstallFatalErrorReport();
    fw::SetMessageBoxHandler([record](HWND, const char* text, const char* caption, UINT) {
        WriteFileBytes(record, ReadFileBytes(record) + caption + "|" + text + "\n");
        return IDOK;
    });
    CFakeDecoder decoder;
    decoder.hooks["Play"] = [] { throw std::runtime_error("the decoder broke"); };
    CPlayerEnvironment env;
    env.pDecoder = &decoder;
    env.openIniFile = [](const std::string& path) {
        return std::make_unique<fw::CIniFileWin32>(path);
    };
    env.pfnNow = [] { return time_t{1000000}; };
    CPlayerDlg dlg(nullptr, env);
    dlg.SetIniPath(argv[1]);
    if (!dlg.Create(IDD_PLAYER, nullptr)) return 2;
    fw::SetPopupMenuHandler([](HMENU, UINT, int, int, HWND) -> UINT { return ID_PLAYPAUSE; });
    ::PostMessageA(dlg.Hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(200, 100));
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    return 0; // went on after the failure
}
CChildAction g_brokenDecoder("broken-decoder", &PlayOnABrokenDecoder);

TEST(FatalError, AHandlerThatThrowsEndsThePlayerWithOneBoxAndItsFileUntouched) {
    CTempFolder folder("vz3fatal");
    const std::string iniPath = folder / "VizuRE3.INI";
    const std::string record = folder / "boxes.txt";
    const std::string saved = "[VIZURE3]\r\nDLGPOSX=40\r\nDLGPOSY=50\r\nREGNUM=2\r\n"
                              "FILENAME0000=C:\\m\\0.mp3\r\nFILENAME0001=C:\\m\\1.mp3\r\n";
    ASSERT_TRUE(WriteFileBytes(iniPath, saved));

    EXPECT_EQ(static_cast<long>(fw::kFatalErrorExitCode),
              RunChildToItsEnd("broken-decoder", {iniPath, record}, 20000));
    EXPECT_EQ(std::string(ui::kFatalErrorCaption) + "|" + ui::kFatalErrorText + "\n",
              ReadFileBytes(record));
    EXPECT_EQ(saved, ReadFileBytes(iniPath));
}

} // namespace
