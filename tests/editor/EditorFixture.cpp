#include "tests/editor/EditorFixture.h"

#include "res/resource.h"
#include "tests/support/ModalRun.h"

#include <cderr.h>
#include <commctrl.h>

namespace {
BOOL CALLBACK MatchEditor(HWND hwnd, LPARAM found) {
    char title[32] = {};
    ::GetWindowTextA(hwnd, title, sizeof title);
    if (std::string(title) != "聴きたい曲") return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}
} // namespace

EditorTest::~EditorTest() {
    SetFileDialogHandler(nullptr);
    if (player && player->Hwnd()) player->DestroyWindow();
}

std::string EditorTest::Track(const std::string& name, const std::string& title,
                              const std::string& artist, int seconds) {
    const std::string path = folder / name;
    decoder.fileInfo[path] = CFileInfo{title, artist, seconds};
    return path;
}

void EditorTest::WriteList(const std::vector<std::string>& paths) {
    std::string text = "[VIZURE3]\r\nREGNUM=" + std::to_string(paths.size()) + "\r\n";
    for (size_t i = 0; i < paths.size(); ++i) {
        const CFileInfo info = decoder.fileInfo[paths[i]];
        char keys[4096];
        std::snprintf(keys, sizeof keys,
                      "FILENAME%04zu=%s\r\nTRACKNAME%04zu=%s\r\nARTISTNAME%04zu=%s\r\n"
                      "TOTALSEC%04zu=%d\r\nREADDATA%04zu=1\r\n",
                      i, paths[i].c_str(), i, info.strTitle.c_str(), i, info.strArtist.c_str(), i,
                      info.nTotalSec, i);
        text += keys;
    }
    WriteIni(text + "FILENAME0200=stale\r\n");
}

std::vector<std::string> EditorTest::WriteList(int count) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i)
        paths.push_back(Track(std::to_string(i) + ".mp3", "title " + std::to_string(i)));
    WriteList(paths);
    return paths;
}

void EditorTest::Plant() {
    ::WritePrivateProfileStringA("VIZURE3", "FILENAME0200", "stale", iniPath.c_str());
}

void EditorTest::OpenEditor() {
    player = OpenDlg();
    ClickPlaylistButton();
    ASSERT_NE(nullptr, Editor());
}

void EditorTest::ClickPlaylistButton() {
    ::SendMessageA(player->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(51, 149));
    ::SendMessageA(player->Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(51, 149));
}

HWND EditorTest::Editor() const {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchEditor, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND EditorTest::List() const {
    return ::GetDlgItem(Editor(), IDC_TRACK_LIST);
}

template <class F> auto EditorTest::EachRow(F value) const {
    std::vector<decltype(value(0))> values;
    for (int row = 0; row < ListView_GetItemCount(List()); ++row)
        values.push_back(value(row));
    return values;
}

std::vector<std::string> EditorTest::Column(int column) const {
    return EachRow([&](int row) {
        char text[1024] = {};
        ListView_GetItemText(List(), row, column, text, sizeof text);
        return std::string(text);
    });
}

std::vector<int> EditorTest::Icons() const {
    return EachRow([&](int row) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        ::SendMessageA(List(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    });
}

std::vector<bool> EditorTest::Selected() const {
    return EachRow([&](int row) { return ListView_GetItemState(List(), row, LVIS_SELECTED) != 0; });
}

const CPlaylist& EditorTest::Playlist() const {
    return dynamic_cast<CPlaylistDlg*>(fw::CDialog::FromHandle(Editor()))->Playlist();
}

std::vector<std::string> EditorTest::Entries() const {
    std::vector<std::string> paths;
    for (int i = 0; i < Playlist().GetCount(); ++i) {
        CTrackEntry entry;
        Playlist().GetAt(i, &entry);
        paths.push_back(entry.m_strPath);
    }
    return paths;
}

void EditorTest::Select(const std::vector<int>& rows) {
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
    for (int row : rows)
        ListView_SetItemState(List(), row, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
}

void EditorTest::Press(int id) {
    ::SendMessageA(::GetDlgItem(Editor(), id), BM_CLICK, 0, 0);
}

void EditorTest::Key(WORD vk) {
    ::SetFocus(List());
    ::PostMessageA(List(), WM_KEYDOWN, vk, 1);
    ::PostMessageA(List(), WM_KEYUP, vk, 0xC0000001);
    PumpMessages();
}

void EditorTest::DoubleClickRow(int row) {
    RECT rect{};
    ListView_GetItemRect(List(), row, &rect, LVIR_LABEL);
    const LPARAM at = MAKELPARAM(rect.left + 10, (rect.top + rect.bottom) / 2);
    ::SetFocus(List());
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        ::PostMessageA(List(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    PumpMessages();
}

void EditorTest::EndOfTrack() {
    decoder.Stop(); // the library has played the file to its end
    decoder.Notify(IDecoder::NOTIFY_END, 0);
    PumpMessages();
}

void EditorTest::AnswerFileDialog(const std::wstring& folderName,
                                  const std::vector<std::wstring>& names) {
    SetFileDialogHandler([this, folderName, names](OPENFILENAMEW& ofn) -> CFileDialogAnswer {
        ++fileDialogs;
        if (names.empty()) return {FALSE, 0};
        std::wstring list = names.size() == 1 ? folderName + L"\\" + names[0] : folderName;
        for (size_t i = names.size() == 1 ? 1 : 0; i < names.size(); ++i)
            list += L'\0' + names[i];
        list += std::wstring(2, L'\0');
        if (list.size() > ofn.nMaxFile) {
            ofn.lpstrFile[0] = static_cast<wchar_t>(list.size()); // the size it needs
            return {FALSE, FNERR_BUFFERTOOSMALL};
        }
        std::copy(list.begin(), list.end(), ofn.lpstrFile);
        return {TRUE, 0};
    });
}

std::wstring EditorTest::Wide(const std::string& ansi) {
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, ansi.data(),
                                                          static_cast<int>(ansi.size()), &wide[0],
                                                          static_cast<int>(wide.size()))));
    return wide;
}
