#include "framework/CDialog.h"

#include "framework/CWinApp.h"

constinit const CCmdEntry CDialog::s_entries[] = {
    MapCommand<&CDialog::OnOKCommand>(IDOK),
    MapCommand<&CDialog::OnCancelCommand>(IDCANCEL),
};
constinit const CCmdMap CDialog::s_map{s_entries, &CCmdTarget::s_map};

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (owner == nullptr) {
        if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) {
            owner = ::GetLastActivePopup(app->m_pMainWnd->m_hWnd);
        }
    }
    m_bIsDialog = true;
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                             &CWnd::StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
