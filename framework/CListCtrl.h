// A list view of a dialog in report view, reached through its window. The dialog owns and destroys
// the window; this object only talks to it. Texts are code page 932, crossing as UTF-16.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

class CDataExchange;

class CListCtrl {
public:
    // Attaches to the dialog's control with this id; a second call is a no-op.
    void Attach(HWND dialog, int id);

    DWORD GetExtendedStyle() const;
    void SetExtendedStyle(DWORD styles) const;

    // Returns the new column's index, or -1.
    int InsertColumn(int column, const std::string& heading, int format, int width) const;
    // The columns share the list's width in the proportions of the weights, one per column.
    void FitColumns(std::span<const int> weights) const;

    int GetItemCount() const;
    // Room for this many items, made at once rather than as they are inserted.
    void SetItemCount(int count) const;
    // Off: inserting and changing items repaints nothing; back on, the whole list is repainted.
    void SetRedraw(bool redraw) const;
    // Returns the new item's index, or -1. `image`: its place in the small image list, if any;
    // `data`: its item data, set in the same message.
    int InsertItem(int item, const std::string& text, int image = -1, LPARAM data = 0) const;
    bool SetItemText(int item, int subItem, const std::string& text) const;
    bool DeleteItem(int item) const;
    DWORD_PTR GetItemData(int item) const;

    // The next item after `start` (-1: from the top) with the LVNI_ flags, or -1.
    int GetNextItem(int start, int flags) const;
    // The selected items' indices, top to bottom.
    std::vector<int> GetSelectedItems() const;

    // Sorts the items with the comparison callback, which gets the items' data values.
    bool SortItems(PFNLVCOMPARE compare, LPARAM context) const;

    HWND m_hWnd = nullptr;
};

// Attaches the member to its control before the fields after it are exchanged.
void DDX_Control(CDataExchange& dx, int id, CListCtrl& control);
