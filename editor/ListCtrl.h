// A list-view control in report view, reached through its window: rows, their texts, icons and
// states, and the columns. A plain wrapper with no behaviour of its own; it does not own the
// window. Texts are code page 932 byte strings.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

// An owned image list (ImageList_Create / ImageList_Destroy).
class CImageList {
public:
    CImageList() = default;
    ~CImageList() { Destroy(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // Takes ownership of `images`, destroying what was held before.
    void Attach(HIMAGELIST images) {
        Destroy();
        m_h = images;
    }
    void Destroy() {
        if (m_h) ::ImageList_Destroy(m_h);
        m_h = nullptr;
    }
    HIMAGELIST Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }

private:
    HIMAGELIST m_h = nullptr;
};

class CListCtrl {
public:
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    int GetItemCount() const;
    // Inserts a row at `row` with the text of column 0 and an icon; its index, or -1.
    int InsertItem(int row, const std::string& text, int image);
    BOOL SetItemText(int row, int column, const std::string& text);
    std::string GetItemText(int row, int column) const;
    BOOL DeleteItem(int row);
    BOOL DeleteAllItems();
    // The row's icon index, or -1 when there is no such row.
    int GetItemImage(int row) const;
    BOOL SetItemImage(int row, int image);
    UINT GetItemState(int row, UINT mask) const;
    // Sets the bits of `mask` to those of `state`; the other state bits stay.
    BOOL SetItemState(int row, UINT state, UINT mask);
    // The first row after `after` (-1: from the top) whose state has the LVNI_ flags; -1 if none.
    int GetNextItem(int after, UINT flags) const;

    // Off while many rows change at once; back on repaints the whole list.
    void SetRedraw(BOOL bRedraw);

    int InsertColumn(int column, const char* title, int width);
    void SetImageList(HIMAGELIST images, int which);
    // Sets the extended style to exactly `style`.
    void SetExtendedStyle(DWORD style);

private:
    HWND m_hWnd = nullptr;
};
