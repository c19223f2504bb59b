#include "framework/CDialog.h"

#include "framework/CWinApp.h"

constinit const CCmdEntry CDialog::s_entries[] = {
    MapCommand<&CDialog::OnOKCommand>(IDOK),
    MapCommand<&CDialog::OnCancelCommand>(IDCANCEL),
};
constinit const CCmdMap CDialog::s_map{s_entries, &CCmdTarget::s_map};

HWND ModalOwnerFor(const CWnd* pParent) {
    if (pParent != nullptr && pParent->m_hWnd != nullptr) return pParent->m_hWnd;
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) {
        return ::GetLastActivePopup(app->m_pMainWnd->m_hWnd);
    }
    return nullptr;
}

INT_PTR CDialog::DoModal() {
    const HWND owner = ModalOwnerFor(m_pParentWnd);
    m_bIsDialog = true;
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                             &CWnd::StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
