// The view's colour data command: the editor gets the document and the current colour; a changing
// OK has replaced and saved the catalogue, so the whole catalogue is listed again.
#include "catalogue/ColorCode.h"
#include "dialogs/CColorEditDlg.h"
#include "res/resource.h"
#include "view/CHuesmithView.h"

void CHuesmithView::OnColorEdit() {
    UpdateData(true);
    CColorEditDlg dlg;
    dlg.m_pDoc = GetDocument();
    dlg.m_nRed = m_nRed;
    dlg.m_nGreen = m_nGreen;
    dlg.m_nBlue = m_nBlue;
    dlg.m_strHtmlCode = FormatHtmlCode(m_nRed, m_nGreen, m_nBlue);
    dlg.m_sortDirections = m_colorEditSort;
    const INT_PTR result = dlg.DoModal();
    // A heading's direction lasts for the run, whether or not the sort was kept.
    m_colorEditSort = dlg.m_sortDirections;
    if (result != IDOK || dlg.m_bModified != 1) return;

    // Mode 0 makes the show-all step rebuild the list even when it showed everything; nothing is
    // selected afterwards and the current colour stays.
    m_nDisplayMode = 0;
    OnViewAll();
}
