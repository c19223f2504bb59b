#include "framework/CColorDialog.h"

#include "framework/CDialog.h"
#include "framework/CWinApp.h"

CColorDialog::CColorDialog(COLORREF clrInit, DWORD flags, CWnd* pParent) : m_pParentWnd(pParent) {
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.rgbResult = clrInit;
    // The dialog starts at the given colour, black included.
    m_cc.Flags = flags | CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal() {
    m_cc.hwndOwner = ModalOwnerFor(m_pParentWnd);
    // The custom colours live in the application object, so a colour added in one run of the
    // dialog is offered again in the next.
    m_cc.lpCustColors = AfxGetApp()->m_customColors.data();
    return ::ChooseColorW(&m_cc) != FALSE ? IDOK : IDCANCEL;
}
