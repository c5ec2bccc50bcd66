// Ending the program: only a confirmed exit ends it, and it saves the window settings.
#include "tests/support/PlayerDlgFixture.h"

#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalRun.h"

#include <vector>

namespace {

void PostKey(HWND hwnd, WPARAM key) {
    ::PostMessageA(hwnd, WM_KEYDOWN, key, 1);
    ::PostMessageA(hwnd, WM_KEYUP, key, 0xC0000001);
}

void ExpectExitQuestion(const CShownMessageBox& box, HWND owner) {
    EXPECT_EQ(owner, box.owner);
    EXPECT_EQ("どうせすてるんでしょ？", box.text);
    EXPECT_EQ("きえてほしい？", box.caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), box.flags); // Yes and No, no icon
}

TEST_F(PlayerDlgTest, EscapeAndYesStopsEndsAndSavesTheSettings) {
    CMessageBoxScript boxes;
    boxes.Then(IDYES);
    auto dlg = MakeDlg();
    HWND hwnd = nullptr;
    const INT_PTR result = RunModal(*dlg, [&](HWND h) {
        hwnd = h;
        ::SetWindowPos(h, nullptr, 31, 42, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        decoder.Open("C:\\playing.mp3");
        decoder.Play();
        decoder.ClearCalls();
        PostKey(h, VK_ESCAPE);
    });
    EXPECT_EQ(IDCANCEL, result);
    ASSERT_EQ(1u, boxes.Shown().size());
    ExpectExitQuestion(boxes.Shown()[0], hwnd);
    // The stop of the exit, then the teardown.
    EXPECT_EQ((std::vector<std::string>{"StopCallback", "Stop", "Close", "StartCallback", "Stop",
                                        "Close", "Free"}),
              decoder.Calls());
    EXPECT_EQ("31", IniValue("DLGPOSX"));
    EXPECT_EQ("42", IniValue("DLGPOSY"));
    EXPECT_EQ("0", IniValue("DLGMTOP"));
    EXPECT_EQ("0", IniValue("DLGMMIN"));
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(PlayerDlgTest, NoLeavesEverythingAsItWas) {
    CMessageBoxScript boxes;
    boxes.Then(IDNO);
    auto dlg = OpenDlg();
    decoder.Open("C:\\playing.mp3");
    decoder.Play();
    decoder.ClearCalls();
    PostKey(dlg->Hwnd(), VK_ESCAPE);
    PumpMessages();
    ASSERT_EQ(1u, boxes.Shown().size());
    ExpectExitQuestion(boxes.Shown()[0], dlg->Hwnd());
    EXPECT_TRUE(::IsWindowVisible(dlg->Hwnd()));
    EXPECT_TRUE(decoder.Calls().empty());
    EXPECT_EQ(IDecoder::STATE_PLAYING, decoder.State());
    EXPECT_FALSE(IniExists());
    dlg->DestroyWindow();
}

TEST_F(PlayerDlgTest, EnterDoesNothing) {
    auto dlg = OpenDlg(); // an unexpected message box would fail the test
    decoder.ClearCalls();
    PostKey(dlg->Hwnd(), VK_RETURN);
    ::SendMessageA(dlg->Hwnd(), WM_COMMAND, IDOK, 0);
    PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(dlg->Hwnd()));
    EXPECT_TRUE(decoder.Calls().empty());
    dlg->DestroyWindow();
}

TEST_F(PlayerDlgTest, CloseRequestAsksFirst) {
    CMessageBoxScript boxes;
    boxes.Then(IDNO);
    auto dlg = OpenDlg();
    ::SendMessageA(dlg->Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    ASSERT_EQ(1u, boxes.Shown().size());
    ExpectExitQuestion(boxes.Shown()[0], dlg->Hwnd());
    EXPECT_TRUE(::IsWindow(dlg->Hwnd()));
    dlg->DestroyWindow();
}

TEST_F(PlayerDlgTest, NoThenYesEndsOnTheSecondAnswer) {
    CMessageBoxScript boxes;
    boxes.Then(IDNO).Then(IDYES);
    auto dlg = MakeDlg();
    const INT_PTR result = RunModal(*dlg, [&](HWND h) {
        PostKey(h, VK_ESCAPE);
        PostKey(h, VK_ESCAPE);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ("0", IniValue("DLGPOSX"));
}

} // namespace
