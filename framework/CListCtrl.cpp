#include "framework/CListCtrl.h"

#include "framework/CDataExchange.h"
#include "framework/CWnd.h"
#include "framework/ShareWidth.h"
#include "framework/WideText.h"

void CListCtrl::Attach(HWND dialog, int id) {
    if (m_hWnd == nullptr) m_hWnd = ::GetDlgItem(dialog, id);
}

DWORD CListCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(::SendMessageW(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

// A zero mask lets the message change every extended style: the list then has exactly `styles`.
void CListCtrl::SetExtendedStyle(DWORD styles) const {
    ::SendMessageW(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(styles));
}

int CListCtrl::InsertColumn(int column, const std::string& heading, int format, int width) const {
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    info.fmt = format;
    info.cx = width;
    std::wstring wide = WideFromCp932(heading);
    info.pszText = wide.data();
    info.iSubItem = column;
    return static_cast<int>(
        ::SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)));
}

// The width within the borders and beside a vertical scroll bar, so that no horizontal one comes.
void CListCtrl::FitColumns(std::span<const int> weights) const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const std::vector<int> widths = ShareWidth(client.right, weights);
    for (std::size_t column = 0; column < widths.size(); ++column) {
        ::SendMessageW(m_hWnd, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(widths[column], 0));
    }
}

int CListCtrl::GetItemCount() const { return static_cast<int>(::SendMessageW(m_hWnd, LVM_GETITEMCOUNT, 0, 0)); }

void CListCtrl::SetItemCount(int count) const {
    ::SendMessageW(m_hWnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
}

// WM_SETREDRAW TRUE only allows painting again; what changed meanwhile still has to be invalidated.
void CListCtrl::SetRedraw(bool redraw) const {
    ::SendMessageW(m_hWnd, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    if (redraw) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

int CListCtrl::InsertItem(int item, const std::string& text, int image, LPARAM data) const {
    LVITEMW info{};
    info.mask = image >= 0 ? LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE : LVIF_TEXT | LVIF_PARAM;
    info.iItem = item;
    info.iImage = image;
    info.lParam = data;
    std::wstring wide = WideFromCp932(text);
    info.pszText = wide.data();
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&info)));
}

bool CListCtrl::SetItemText(int item, int subItem, const std::string& text) const {
    LVITEMW info{};
    info.iSubItem = subItem;
    std::wstring wide = WideFromCp932(text);
    info.pszText = wide.data();
    return ::SendMessageW(m_hWnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)) !=
           FALSE;
}

bool CListCtrl::DeleteItem(int item) const {
    return ::SendMessageW(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(item), 0) != FALSE;
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
    LVITEMW info{};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    ::SendMessageW(m_hWnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    return static_cast<DWORD_PTR>(info.lParam);
}

int CListCtrl::GetNextItem(int start, int flags) const {
    return static_cast<int>(
        ::SendMessageW(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
}

std::vector<int> CListCtrl::GetSelectedItems() const {
    std::vector<int> items;
    for (int item = GetNextItem(-1, LVNI_SELECTED); item != -1; item = GetNextItem(item, LVNI_SELECTED)) {
        items.push_back(item);
    }
    return items;
}

bool CListCtrl::SortItems(PFNLVCOMPARE compare, LPARAM context) const {
    return ::SendMessageW(m_hWnd, LVM_SORTITEMS, static_cast<WPARAM>(context), reinterpret_cast<LPARAM>(compare)) !=
           FALSE;
}

void DDX_Control(CDataExchange& dx, int id, CListCtrl& control) { control.Attach(dx.m_pDlgWnd->m_hWnd, id); }
