// An INI file that a user saved as UTF-16: the player reads it, both of its writers keep the
// encoding and each other's keys, and lines it does not write keep even the characters that code
// page 932 cannot hold.
#include "tests/support/PlayerDlgFixture.h"

#include "playback/ControlCodes.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalRun.h"
#include "tests/support/ShellDrop.h"

namespace {

// `text` as a UTF-16 file with its byte order mark.
std::string Utf16File(const std::wstring& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// The text of a UTF-16 file in that byte order, or a note that the file is not one.
std::wstring Utf16Text(const std::string& bytes, bool bigEndian) {
    if (bytes.compare(0, 2, bigEndian ? "\xFE\xFF" : "\xFF\xFE") != 0) return L"(not UTF-16)";
    std::wstring text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned char first = bytes[i], second = bytes[i + 1];
        text += static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return text;
}

std::wstring Widen(const std::string& ansi) {
    wchar_t wide[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide, MAX_PATH);
    return wide;
}

// ☃ and é have no code page 932 form (é would come back as e).
const std::wstring kOther = L"[ほか]\r\nキー=値 ☃\r\n";
const std::wstring kNote = L"; メモ ☃ café"; // the last line, without a line break
const std::wstring kFirstEntry = L"FILENAME0000=C:\\音楽\\一.mp3\r\nTRACKNAME0000=一\r\n"
                                 L"ARTISTNAME0000=ぴこ\r\nTOTALSEC0000=10\r\nREADDATA0000=1\r\n";

TEST_F(PlayerDlgTest, AUtf16FileIsReadAndWrittenBackAsUtf16ByBothWriters) {
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big endian" : "little endian");
        WriteIni(Utf16File(kOther + L"[VIZURE3]\r\nREGNUM=1\r\n" + kFirstEntry +
                               L"DLGPOSX=40\r\nDLGPOSY=50\r\nDLGMTOP=0\r\n" + kNote,
                           bigEndian));
        decoder.fileInfo[folder / "新曲.mp3"] = CFileInfo{"新しい", "だれか", 61};
        CMessageBoxScript boxes;
        boxes.Then(IDYES);
        auto dlg = MakeDlg();
        RunModal(*dlg, [this](HWND h) {
            // The playlist is saved, then the settings as the player ends.
            ::SendMessageA(h, WM_DROPFILES,
                           reinterpret_cast<WPARAM>(MakeDrop({folder / "新曲.mp3"})), 0);
            EXPECT_EQ("40", IniValue("DLGPOSX"));
            ::SetWindowPos(h, nullptr, 31, 42, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            ::PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        ASSERT_EQ(1u, boxes.Shown().size());

        // The missing settings go after the section's last line, which gets a line break.
        EXPECT_EQ(kOther + L"[VIZURE3]\r\nREGNUM=2\r\n" + kFirstEntry + L"FILENAME0001=" +
                      Widen(folder / "新曲.mp3") +
                      L"\r\nTRACKNAME0001=新しい\r\nARTISTNAME0001=だれか\r\n"
                      L"TOTALSEC0001=61\r\nREADDATA0001=1\r\n"
                      L"DLGPOSX=31\r\nDLGPOSY=42\r\nDLGMTOP=0\r\n" +
                      kNote + L"\r\nDLGMMIN=0\r\nVOLUME=100\r\n",
                  Utf16Text(ReadFileBytes(iniPath), bigEndian));

        // The next start finds both.
        dlg = OpenDlg();
        RECT rect{};
        ::GetWindowRect(dlg->Hwnd(), &rect);
        EXPECT_EQ(31, rect.left);
        EXPECT_EQ(42, rect.top);
        decoder.ClearCalls();
        ASSERT_TRUE(dlg->PlayerControl(PC_PLAYPAUSE));
        EXPECT_EQ("C:\\音楽\\一.mp3", decoder.OpenPath());
        ASSERT_TRUE(dlg->PlayerControl(PC_NEXT));
        EXPECT_EQ(folder / "新曲.mp3", decoder.OpenPath());
        dlg->DestroyWindow();
    }
}

} // namespace
