#include "editor/PlaylistDlg.h"

#include "framework/MessageBox.h"
#include "editor/OpenFileDialog.h"
#include "editor/TrackRows.h"
#include "res/Messages.h"
#include "res/UiText.h"
#include "res/resource.h"

#include <array>

// The main window's notice that the current entry changed (res/Messages.h), unpacked for the
// handler as framework/MessageTable.h unpacks the system's messages.
namespace fw {
template <> struct Crack<WM_PLAYLIST_CURRENT> { // void OnPlaylistCurrent(int newRow, int oldRow)
    template <class T> static LRESULT Call(T& self, void (T::*h)(int, int), WPARAM w, LPARAM l) {
        // -1 comes back from the parameters' unsigned forms.
        (self.*h)(static_cast<int>(w), static_cast<int>(l));
        return 0;
    }
};
} // namespace fw

namespace {
// Images of the list: an ordinary row, the current entry's row.
constexpr int kRowImage = 0;
constexpr int kCurrentRowImage = 1;
} // namespace

CPlaylistDlg::CPlaylistDlg(fw::CDialog* pMainDlg, CPlaylist& playlist, IDecoder& decoder)
    : fw::CModelessDialog(IDD_PLAYLIST, pMainDlg), m_pMainDlg(pMainDlg), m_playlist(playlist),
      m_decoder(decoder) {
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
        {WM_PLAYLIST_CURRENT, &fw::Route<WM_PLAYLIST_CURRENT, &D::OnPlaylistCurrent>},
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
    m_listTracks.Attach(::GetDlgItem(Hwnd(), IDC_TRACK_LIST));
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
    m_pImageList.Destroy();
}

void CPlaylistDlg::OnOK() {
    // Enter plays through the hidden default button; nothing closes the editor here.
}

void CPlaylistDlg::OnCancel() {
    OnClose();
}

void CPlaylistDlg::OnClose() {
    // The main window deletes this object before the send returns: touch nothing afterwards.
    ::SendMessageA(m_pMainDlg->Hwnd(), WM_PLAYLIST_CLOSE, 0, 0);
}

void CPlaylistDlg::InitTrackList() {
    m_pImageList.Attach(::ImageList_Create(16, 16, ILC_COLOR8 | ILC_MASK, 4, 2));
    static const UINT kIcons[] = {IDI_ROW, IDI_CURRENT_ROW, 0};
    for (const UINT* id = kIcons; *id; ++id) {
        // Shared: the system keeps the icon; the image list keeps a copy of its pictures.
        HANDLE icon = ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(*id), IMAGE_ICON,
                                   16, 16, LR_SHARED);
        ::ImageList_AddIcon(m_pImageList.Get(), static_cast<HICON>(icon));
    }
    m_listTracks.DeleteAllItems();
    for (int column = 0; rows::kColumnTitles[column][0]; ++column)
        m_listTracks.InsertColumn(column, rows::kColumnTitles[column], rows::kColumnWidths[column]);
    m_listTracks.SetImageList(m_pImageList.Get(), LVSIL_SMALL);
    m_listTracks.SetExtendedStyle(LVS_EX_FULLROWSELECT);
}

void CPlaylistDlg::FillTrackList() {
    m_listTracks.SetRedraw(FALSE); // one paint for all the rows, not one per change
    for (int i = 0; i < m_playlist.GetCount(); ++i) {
        CTrackEntry entry;
        if (m_playlist.GetAt(i, &entry)) AppendRow(entry);
    }
    SetRowImage(m_playlist.GetCurrentIndex(), kCurrentRowImage);
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
    const int current = m_playlist.GetCurrentIndex();
    for (int row = 0; row < m_listTracks.GetItemCount(); ++row)
        if (row != current && GetRowImage(row) != kRowImage) SetRowImage(row, kRowImage);
    if (GetRowImage(current) != kCurrentRowImage) SetRowImage(current, kCurrentRowImage);
}

void CPlaylistDlg::OnPlaylistCurrent(int newRow, int oldRow) {
    MarkCurrentRow(newRow, oldRow);
}

void CPlaylistDlg::PlayRow(int row) {
    const CWatch watch(*this);
    // The main window makes the row current (refused when it names no entry: the current
    // entry plays) and normally tells this editor at once. Its missing-file prompt may remove
    // the entry, and the editor may be closed while the prompt waits.
    ::SendMessageA(m_pMainDlg->Hwnd(), WM_PLAYLIST_PLAY, static_cast<WPARAM>(row), 0);
    if (watch.ObjectGone()) return;
    ShowCurrentRow();
}

void CPlaylistDlg::CatchUpWithPlaylist() {
    m_listTracks.SetRedraw(FALSE);
    CatchUpRows();
    ShowCurrentRow();
    m_listTracks.SetRedraw(TRUE);
}

void CPlaylistDlg::CatchUpRows() {
    std::vector<std::string> rowPaths;
    for (int row = 0; row < m_listTracks.GetItemCount(); ++row)
        rowPaths.push_back(m_listTracks.GetItemText(row, rows::kPathColumn));
    std::vector<std::string> entryPaths;
    for (int i = 0; i < m_playlist.GetCount(); ++i) {
        CTrackEntry entry;
        m_playlist.GetAt(i, &entry);
        entryPaths.push_back(entry.m_strPath);
    }
    const rows::CRowCatchUp plan = rows::PlanRowCatchUp(rowPaths, entryPaths);
    for (int row : plan.rowsToDelete)
        m_listTracks.DeleteItem(row);
    for (int i = plan.firstEntryToAppend; i < m_playlist.GetCount(); ++i) {
        CTrackEntry entry;
        if (m_playlist.GetAt(i, &entry)) AppendRow(entry);
    }
}

void CPlaylistDlg::OnAdd() {
    const CWatch watch(*this);
    const CChosenFiles chosen = ChooseMp3Files(Hwnd());
    if (watch.ObjectGone() || chosen.outcome == CChosenFiles::Outcome::Cancelled) return;
    if (chosen.outcome == CChosenFiles::Outcome::TooLarge) {
        fw::ShowMessageBox(Hwnd(), ui::kTooManyFilesText, ui::kTooManyFilesCaption, MB_OK);
        return; // nothing was taken, so nothing to save
    }
    // While the file dialog or a message box waits, the player may add or remove entries (a
    // drop, the missing-file prompt); the rows catch up as it happens, and again by path here.
    // The files after one that cannot be taken are not taken either.
    AddFiles(m_playlist, m_decoder, chosen.paths, AfterProblem::Stop,
             [this, &watch](FileProblem problem) {
                 ReportProblem(problem);
                 return !watch.ObjectGone();
             });
    if (watch.ObjectGone()) return;
    // The new rows come with the ordinary icon, as rows the user adds always have.
    m_listTracks.SetRedraw(FALSE);
    CatchUpRows();
    m_listTracks.SetRedraw(TRUE);
    m_playlist.Save();
}

void CPlaylistDlg::ReportProblem(FileProblem problem) {
    if (problem == FileProblem::UnusableName)
        fw::ShowMessageBox(Hwnd(), ui::kUnusableNameText, ui::kUnusableNameCaption, MB_OK);
    else
        fw::ShowMessageBox(Hwnd(), ui::kOpenErrorText, ui::kOpenErrorCaption, MB_OK);
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
            m_playlist.RemoveAt(row - removed++);
        else
            keptImages.push_back(GetRowImage(row));
    }
    if (removed > 0) {
        m_listTracks.SetRedraw(FALSE);
        m_listTracks.DeleteAllItems();
        for (int i = 0; i < m_playlist.GetCount(); ++i) {
            CTrackEntry entry;
            if (m_playlist.GetAt(i, &entry)) AppendRow(entry);
            SetRowImage(i, keptImages[static_cast<size_t>(i)]);
        }
        m_listTracks.SetRedraw(TRUE);
    }
    m_playlist.Save();
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
            m_playlist.MoveUp(row); // the current index follows its entry
        else
            m_playlist.MoveDown(row);
    }
    m_listTracks.SetRedraw(TRUE);
    m_playlist.Save();
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
