#include "editor/ListCtrl.h"

#include <vector>

namespace {
// LVITEM's text pointer is not const; the control only reads it when setting.
char* TextOf(const std::string& text) {
    return const_cast<char*>(text.c_str());
}
} // namespace

int CListCtrl::GetItemCount() const {
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

int CListCtrl::InsertItem(int row, const std::string& text, int image) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = TextOf(text);
    item.iImage = image;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int row, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = TextOf(text);
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                                            reinterpret_cast<LPARAM>(&item)));
}

std::string CListCtrl::GetItemText(int row, int column) const {
    // The control copies at most the buffer's size less one; grow until the text fits.
    for (size_t size = 256;; size *= 2) {
        std::vector<char> buffer(size, '\0');
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length = ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                              reinterpret_cast<LPARAM>(&item));
        if (static_cast<size_t>(length) + 1 < size || size >= 0x10000)
            return std::string(buffer.data(), static_cast<size_t>(length));
    }
}

BOOL CListCtrl::DeleteItem(int row) {
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(row), 0));
}

BOOL CListCtrl::DeleteAllItems() {
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_DELETEALLITEMS, 0, 0));
}

int CListCtrl::GetItemImage(int row) const {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    if (!::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.iImage;
}

BOOL CListCtrl::SetItemImage(int row, int image) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = image;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

UINT CListCtrl::GetItemState(int row, UINT mask) const {
    return static_cast<UINT>(
        ::SendMessageA(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(row), mask));
}

int CListCtrl::GetNextItem(int after, UINT flags) const {
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(after), MAKELPARAM(flags, 0)));
}

BOOL CListCtrl::SetItemState(int row, UINT state, UINT mask) {
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                                            reinterpret_cast<LPARAM>(&item)));
}

void CListCtrl::SetRedraw(BOOL bRedraw) {
    ::SendMessageA(m_hWnd, WM_SETREDRAW, static_cast<WPARAM>(bRedraw), 0);
    if (bRedraw) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

int CListCtrl::InsertColumn(int column, const char* title, int width) {
    LVCOLUMNA col{};
    col.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.fmt = LVCFMT_LEFT;
    col.cx = width;
    col.pszText = const_cast<char*>(title);
    col.iSubItem = column;
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                                           reinterpret_cast<LPARAM>(&col)));
}

void CListCtrl::SetImageList(HIMAGELIST images, int which) {
    ::SendMessageA(m_hWnd, LVM_SETIMAGELIST, static_cast<WPARAM>(which),
                   reinterpret_cast<LPARAM>(images));
}

void CListCtrl::SetExtendedStyle(DWORD style) {
    // A mask of 0 stands for every extended style: all others are cleared.
    ::SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style));
}
