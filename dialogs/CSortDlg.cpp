#include "dialogs/CSortDlg.h"

#include "framework/CDataExchange.h"
#include "res/resource.h"

CSortDlg::CSortDlg(CWnd* pParent) : CDialog(IDD_SORT, pParent) {}

void CSortDlg::DoDataExchange(CDataExchange& dx) { DDX_Radio(dx, IDC_RADIO_READING_ASC, m_nSortKey); }
