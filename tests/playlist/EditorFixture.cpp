#include "tests/playlist/EditorFixture.h"

#include "res/resource.h"
#include "tests/support/ModalRun.h"

#include <cderr.h>
#include <commctrl.h>

namespace {
// Finds the editor among this thread's windows by its title.
BOOL CALLBACK FindEditor(HWND hwnd, LPARAM found) {
    char title[64] = {};
    ::GetWindowTextA(hwnd, title, sizeof title);
    if (std::string(title) != "聴きたい曲") return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}
} // namespace

EditorTest::~EditorTest() {
    SetFileDialogHandler(nullptr);
    if (player && player->m_hWnd) player->DestroyWindow();
}

std::string EditorTest::Track(const std::string& name, const std::string& title,
                              const std::string& artist, int seconds) {
    const std::string path = folder / name;
    decoder.fileInfo[path] = CFileInfo{title, artist, seconds};
    return path;
}

std::vector<std::string> EditorTest::WriteList(int count) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i)
        paths.push_back(Track(std::to_string(i) + ".mp3", "title " + std::to_string(i)));
    WriteList(paths);
    return paths;
}

void EditorTest::WriteList(const std::vector<std::string>& paths) {
    std::string text = "[VIZURE3]\r\nREGNUM=" + std::to_string(paths.size()) + "\r\n";
    for (size_t i = 0; i < paths.size(); ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%04zu", i);
        CFileInfo info = decoder.fileInfo[paths[i]];
        text += std::string("FILENAME") + number + "=" + paths[i] + "\r\n";
        text += std::string("TRACKNAME") + number + "=" + info.strTitle + "\r\n";
        text += std::string("ARTISTNAME") + number + "=" + info.strArtist + "\r\n";
        text += std::string("TOTALSEC") + number + "=" + std::to_string(info.nTotalSec) + "\r\n";
        text += std::string("READDATA") + number + "=1\r\n";
    }
    WriteIni(text + "FILENAME0200=stale\r\n");
}

void EditorTest::Plant() {
    ::WritePrivateProfileStringA("VIZURE3", "FILENAME0200", "stale", iniPath.c_str());
    ASSERT_FALSE(Saved());
}

void EditorTest::OpenEditor() {
    player = OpenDlg();
    ClickPlaylistButton();
    ASSERT_NE(nullptr, Editor());
}

void EditorTest::ClickPlaylistButton() {
    const LPARAM onPlaylistButton = MAKELPARAM(51, 149);
    ::SendMessageA(player->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, onPlaylistButton);
    ::SendMessageA(player->m_hWnd, WM_LBUTTONUP, 0, onPlaylistButton);
}

HWND EditorTest::Editor() const {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindEditor, reinterpret_cast<LPARAM>(&found));
    return found;
}

CPlaylistDlg* EditorTest::EditorObject() const {
    return dynamic_cast<CPlaylistDlg*>(fw::CDialog::FromHandle(Editor()));
}

HWND EditorTest::List() const {
    return ::GetDlgItem(Editor(), IDC_TRACK_LIST);
}

std::vector<std::string> EditorTest::Column(int column) const {
    std::vector<std::string> texts;
    const int count = static_cast<int>(::SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        char text[1024] = {};
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(List(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}

std::vector<int> EditorTest::Icons() const {
    std::vector<int> icons;
    const int count = static_cast<int>(::SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        ::SendMessageA(List(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        icons.push_back(item.iImage);
    }
    return icons;
}

std::vector<int> EditorTest::SelectedRows() const {
    std::vector<int> rows;
    const int count = static_cast<int>(::SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row)
        if (::SendMessageA(List(), LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED)
            rows.push_back(row);
    return rows;
}

std::vector<std::string> EditorTest::Entries() const {
    std::vector<std::string> paths;
    const CPlaylist* playlist = EditorObject()->m_pPlaylist;
    for (int i = 0; i < playlist->GetCount(); ++i) {
        CTrackEntry entry;
        playlist->GetAt(i, &entry);
        paths.push_back(entry.m_strPath);
    }
    return paths;
}

int EditorTest::Current() const {
    return EditorObject()->m_pPlaylist->GetCurrentIndex();
}

void EditorTest::Select(const std::vector<int>& rows) {
    LVITEMA none{};
    none.stateMask = LVIS_SELECTED;
    ::SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&none));
    for (int row : rows) {
        LVITEMA item{};
        item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(List(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    }
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
    RECT first{};
    first.left = LVIR_LABEL;
    ::SendMessageA(List(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    const int height = first.bottom - first.top;
    const LPARAM at = MAKELPARAM(first.left + 10, first.top + row * height + height / 2);
    ::SetFocus(List());
    ::PostMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageA(List(), WM_LBUTTONUP, 0, at);
    ::PostMessageA(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::PostMessageA(List(), WM_LBUTTONUP, 0, at);
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
        std::wstring list = names.size() == 1 ? folderName + L"\\" + names[0] : folderName;
        list += L'\0';
        if (names.size() > 1) {
            for (const std::wstring& name : names)
                list += name + L'\0';
        }
        list += L'\0';
        if (list.size() > ofn.nMaxFile) return {FALSE, FNERR_BUFFERTOOSMALL};
        std::copy(list.begin(), list.end(), ofn.lpstrFile);
        return {TRUE, 0};
    });
}

void EditorTest::AnswerFileDialogTooSmall() {
    SetFileDialogHandler([this](OPENFILENAMEW& ofn) -> CFileDialogAnswer {
        ++fileDialogs;
        // The size it needs, in the buffer's first two bytes.
        ofn.lpstrFile[0] = static_cast<wchar_t>(40000);
        return {FALSE, FNERR_BUFFERTOOSMALL};
    });
}

void EditorTest::CancelFileDialog() {
    SetFileDialogHandler([this](OPENFILENAMEW&) -> CFileDialogAnswer {
        ++fileDialogs;
        return {FALSE, 0};
    });
}

std::wstring EditorTest::Wide(const std::string& ansi) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length) - 1);
    return wide;
}
