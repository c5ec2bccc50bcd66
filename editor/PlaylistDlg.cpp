#include "editor/PlaylistDlg.h"

#include "framework/MessageBox.h"
#include "editor/OpenFileDialog.h"
#include "playlist/TrackInfo.h"
#include "editor/TrackRows.h"
#include "res/Messages.h"
#include "res/UiText.h"
#include "res/resource.h"

#include <array>

namespace {
// Images of the list: an ordinary row, the current entry's row.
constexpr int kRowImage = 0;
constexpr int kCurrentRowImage = 1;
} // namespace

CPlaylistDlg::CPlaylistDlg(fw::CDialog* pMainDlg, IDecoder& decoder)
    : fw::CModelessDialog(IDD_PLAYLIST, pMainDlg), m_pMainDlg(pMainDlg), m_decoder(decoder) {
    // The template's list view: registered once per process, whoever runs first.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
}

CPlaylistDlg::~CPlaylistDlg() {
    DestroyImageList(); // when the window went without DestroyWindow
}

const fw::MessageTable& CPlaylistDlg::GetMessageTable() const {
    using D = CPlaylistDlg;
    static const fw::MessageEntry messages[] = {
        {WM_PLAYLIST_CURRENT, &fw::RoutePrivate<&D::OnPlaylistCurrent>},
    };
    static const fw::CommandEntry commands[] = {
        {IDC_ADD, BN_CLICKED, &fw::RouteCommand<&D::OnAdd>},
        {IDC_DELETE, BN_CLICKED, &fw::RouteCommand<&D::OnDelete>},
        {IDCLOSE, BN_CLICKED, &fw::RouteCommand<&D::OnClose>},
        {IDC_UP, BN_CLICKED, &fw::RouteCommand<&D::OnUp>},
        {IDC_DOWN, BN_CLICKED, &fw::RouteCommand<&D::OnDown>},
        {IDC_PLAY_TEST, BN_CLICKED, &fw::RouteCommand<&D::OnPlayTest>},
    };
    static const fw::NotifyEntry notifies[] = {
        {IDC_TRACK_LIST, LVN_KEYDOWN, &fw::RouteNotify<&D::OnKeydownTrackList>},
        {IDC_TRACK_LIST, LVN_ITEMCHANGED, &fw::RouteNotify<&D::OnItemchangedTrackList>},
        {IDC_TRACK_LIST, NM_DBLCLK, &fw::RouteNotify<&D::OnDblclkTrackList>},
    };
    static const fw::MessageTable table = {messages, fw::CountOf(messages),
                                           commands, fw::CountOf(commands),
                                           notifies, fw::CountOf(notifies)};
    return table;
}

void CPlaylistDlg::DoDataExchange() {
    m_listTracks.Attach(::GetDlgItem(m_hWnd, IDC_TRACK_LIST));
}

BOOL CPlaylistDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    InitTrackList();
    FillTrackList();
    return TRUE;
}

BOOL CPlaylistDlg::DestroyWindow() {
    DestroyImageList();
    return fw::CDialog::DestroyWindow();
}

void CPlaylistDlg::DestroyImageList() {
    if (!m_pImageList) return;
    m_listTracks.SetImageList(nullptr, LVSIL_SMALL); // the list lets go of it first
    ::ImageList_Destroy(m_pImageList);
    m_pImageList = nullptr;
}

void CPlaylistDlg::OnOK() {
    // Enter plays through the hidden default button; nothing closes the editor here.
}

void CPlaylistDlg::OnCancel() {
    OnClose();
}

void CPlaylistDlg::OnClose() {
    // The main window deletes this object before the send returns: touch nothing afterwards.
    ::SendMessageA(m_pMainDlg->m_hWnd, WM_PLAYLIST_CLOSE, 0, 0);
}

void CPlaylistDlg::InitTrackList() {
    m_pImageList = ::ImageList_Create(16, 16, ILC_COLOR8 | ILC_MASK, 4, 2);
    static const UINT kIcons[] = {IDI_ROW, IDI_CURRENT_ROW, 0};
    for (const UINT* id = kIcons; *id; ++id) {
        // Shared: the system keeps the icon; the image list keeps a copy of its pictures.
        HANDLE icon = ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(*id), IMAGE_ICON,
                                   16, 16, LR_SHARED);
        ::ImageList_AddIcon(m_pImageList, static_cast<HICON>(icon));
    }
    m_listTracks.DeleteAllItems();
    for (int column = 0; rows::kColumnTitles[column][0]; ++column)
        m_listTracks.InsertColumn(column, rows::kColumnTitles[column], rows::kColumnWidths[column]);
    m_listTracks.SetImageList(m_pImageList, LVSIL_SMALL);
    m_listTracks.SetExtendedStyle(LVS_EX_FULLROWSELECT);
}

void CPlaylistDlg::FillTrackList() {
    m_listTracks.SetRedraw(FALSE); // one paint for all the rows, not one per change
    for (int i = 0; i < m_pPlaylist->GetCount(); ++i) {
        CTrackEntry entry;
        if (m_pPlaylist->GetAt(i, &entry)) AppendRow(entry);
    }
    SetRowImage(m_pPlaylist->GetCurrentIndex(), kCurrentRowImage);
    m_listTracks.SetRedraw(TRUE);
}

void CPlaylistDlg::AppendRow(const CTrackEntry& entry) {
    const std::array<std::string, rows::kColumnCount> texts = rows::RowTexts(entry);
    const int row = m_listTracks.InsertItem(m_listTracks.GetItemCount(), texts[0], kRowImage);
    for (int column = 0; column < rows::kColumnCount; ++column)
        m_listTracks.SetItemText(row, column, texts[static_cast<size_t>(column)]);
}

void CPlaylistDlg::MoveRow(int row, int delta) {
    std::array<std::string, rows::kColumnCount> texts;
    for (int column = 0; column < rows::kColumnCount; ++column)
        texts[static_cast<size_t>(column)] = m_listTracks.GetItemText(row, column);
    const int image = GetRowImage(row);
    m_listTracks.DeleteItem(row);
    const int moved = m_listTracks.InsertItem(row + delta, texts[0], image);
    for (int column = 1; column < rows::kColumnCount; ++column)
        m_listTracks.SetItemText(moved, column, texts[static_cast<size_t>(column)]);
    m_listTracks.SetItemState(moved, LVIS_SELECTED, LVIS_SELECTED);
}

int CPlaylistDlg::GetRowImage(int row) const {
    return m_listTracks.GetItemImage(row);
}

void CPlaylistDlg::SetRowImage(int row, int image) {
    if (row < 0 || row >= m_listTracks.GetItemCount()) return;
    m_listTracks.SetItemImage(row, image);
}

BOOL CPlaylistDlg::IsRowSelected(int row) const {
    return (m_listTracks.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

std::vector<bool> CPlaylistDlg::SelectedRows() const {
    std::vector<bool> selected;
    for (int row = 0; row < m_listTracks.GetItemCount(); ++row)
        selected.push_back(IsRowSelected(row) != FALSE);
    return selected;
}

void CPlaylistDlg::MarkCurrentRow(int newRow, int oldRow) {
    SetRowImage(oldRow, kRowImage);
    SetRowImage(newRow, kCurrentRowImage);
}

void CPlaylistDlg::ShowCurrentRow() {
    const int current = m_pPlaylist->GetCurrentIndex();
    for (int row = 0; row < m_listTracks.GetItemCount(); ++row)
        if (row != current && GetRowImage(row) != kRowImage) SetRowImage(row, kRowImage);
    if (GetRowImage(current) != kCurrentRowImage) SetRowImage(current, kCurrentRowImage);
}

LRESULT CPlaylistDlg::OnPlaylistCurrent(WPARAM newRow, LPARAM oldRow) {
    // Both may be -1 (no entry): the casts give it back from the message's unsigned form.
    MarkCurrentRow(static_cast<int>(newRow), static_cast<int>(oldRow));
    return 0;
}

void CPlaylistDlg::PlayRow(int row) {
    const std::weak_ptr<char> alive = m_pAlive;
    // The main window makes the row current (refused when it names no entry: the current
    // entry plays) and normally tells this editor at once. Its missing-file prompt may remove
    // the entry, and the editor may be closed while the prompt waits.
    ::SendMessageA(m_pMainDlg->m_hWnd, WM_PLAYLIST_PLAY, static_cast<WPARAM>(row), 0);
    if (alive.expired()) return;
    ShowCurrentRow();
}

void CPlaylistDlg::CatchUpWithPlaylist() {
    std::vector<std::string> rowPaths;
    for (int row = 0; row < m_listTracks.GetItemCount(); ++row)
        rowPaths.push_back(m_listTracks.GetItemText(row, rows::kPathColumn));
    std::vector<std::string> entryPaths;
    for (int i = 0; i < m_pPlaylist->GetCount(); ++i) {
        CTrackEntry entry;
        m_pPlaylist->GetAt(i, &entry);
        entryPaths.push_back(entry.m_strPath);
    }
    const rows::CRowCatchUp plan = rows::PlanRowCatchUp(rowPaths, entryPaths);
    m_listTracks.SetRedraw(FALSE);
    for (int row : plan.rowsToDelete)
        m_listTracks.DeleteItem(row);
    for (int i = plan.firstEntryToAppend; i < m_pPlaylist->GetCount(); ++i) {
        CTrackEntry entry;
        if (m_pPlaylist->GetAt(i, &entry)) AppendRow(entry);
    }
    ShowCurrentRow();
    m_listTracks.SetRedraw(TRUE);
}

void CPlaylistDlg::OnAdd() {
    const std::weak_ptr<char> alive = m_pAlive;
    const CChosenFiles chosen = ChooseMp3Files(m_hWnd);
    if (alive.expired() || chosen.outcome == CChosenFiles::Outcome::Cancelled) return;
    if (chosen.outcome == CChosenFiles::Outcome::TooLarge) {
        fw::ShowMessageBox(m_hWnd, ui::kTooManyFilesText, ui::kTooManyFilesCaption, MB_OK);
        return; // nothing was taken, so nothing to save
    }
    // While the file dialog or a message box waits, the player may add or remove entries (a
    // drop, the missing-file prompt); the rows catch up as it happens, and each file is looked
    // for by its path: nothing here relies on an index from before a nested message loop.
    for (const std::string& path : chosen.paths) {
        CTrackEntry entry;
        if (path.empty()) {
            fw::ShowMessageBox(m_hWnd, ui::kUnusableNameText, ui::kUnusableNameCaption, MB_OK);
            if (alive.expired()) return;
            break; // the files after it are not taken
        }
        if (!ReadTrackInfo(m_decoder, path, &entry)) {
            fw::ShowMessageBox(m_hWnd, ui::kOpenErrorText, ui::kOpenErrorCaption, MB_OK);
            if (alive.expired()) return;
            break; // the files after it are not taken
        }
        if (!m_pPlaylist->IsNewPath(path)) continue;
        int index = -1;
        if (m_pPlaylist->Add(&index, entry)) AppendRow(entry); // a full list refuses it silently
    }
    m_pPlaylist->Save();
}

void CPlaylistDlg::OnDelete() {
    // Rows and entries go by the same index; the playlist keeps its current entry's place. The
    // list is filled again with the rows that stay, their icons kept: deleted one by one, the
    // rows of a long list kept the window from answering for seconds.
    std::vector<int> keptImages;
    int removed = 0;
    const int rows = m_listTracks.GetItemCount();
    for (int row = 0; row < rows; ++row) {
        if (IsRowSelected(row))
            m_pPlaylist->RemoveAt(row - removed++);
        else
            keptImages.push_back(GetRowImage(row));
    }
    if (removed > 0) {
        m_listTracks.SetRedraw(FALSE);
        m_listTracks.DeleteAllItems();
        for (int i = 0; i < m_pPlaylist->GetCount(); ++i) {
            CTrackEntry entry;
            if (m_pPlaylist->GetAt(i, &entry)) AppendRow(entry);
            SetRowImage(i, keptImages[static_cast<size_t>(i)]);
        }
        m_listTracks.SetRedraw(TRUE);
    }
    m_pPlaylist->Save();
}

void CPlaylistDlg::OnUp() {
    const std::optional<std::vector<int>> moves = rows::RowsToMoveUp(SelectedRows());
    if (!moves) return; // the first row is selected: nothing moves, nothing is saved
    MoveRows(*moves, -1);
}

void CPlaylistDlg::OnDown() {
    const std::optional<std::vector<int>> moves = rows::RowsToMoveDown(SelectedRows());
    if (!moves) return; // the last row is selected
    MoveRows(*moves, +1);
}

void CPlaylistDlg::MoveRows(const std::vector<int>& moves, int delta) {
    m_listTracks.SetRedraw(FALSE); // one paint, as in OnDelete
    for (int row : moves) {
        MoveRow(row, delta);
        if (delta < 0)
            m_pPlaylist->MoveUp(row); // the current index follows its entry
        else
            m_pPlaylist->MoveDown(row);
    }
    m_listTracks.SetRedraw(TRUE);
    m_pPlaylist->Save();
}

void CPlaylistDlg::OnPlayTest() {
    // Enter plays the row the user chose: the selected one, else the one with the focus. The
    // last row the list reported may be one whose icon the player changed since.
    int row = m_listTracks.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) row = m_listTracks.GetNextItem(-1, LVNI_FOCUSED);
    PlayRow(row >= 0 ? row : m_nClickedItem);
}

void CPlaylistDlg::OnKeydownTrackList(NMHDR* header, LRESULT* result) {
    *result = 0;
    const WORD key = reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey;
    if (key == VK_INSERT)
        OnAdd();
    else if (key == VK_DELETE)
        OnDelete();
}

void CPlaylistDlg::OnItemchangedTrackList(NMHDR* header, LRESULT* result) {
    *result = 0;
    m_nClickedItem = reinterpret_cast<NMLISTVIEW*>(header)->iItem;
}

void CPlaylistDlg::OnDblclkTrackList(NMHDR* header, LRESULT* result) {
    *result = 0;
    // The row double-clicked plays; a double click below the last row plays the row last
    // reported.
    const int clicked = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (m_listTracks.GetItemCount() > 0) PlayRow(clicked >= 0 ? clicked : m_nClickedItem);
}
