#include "dialogs/COptionDlg.h"

#include "catalogue/ColorClipboardText.h"
#include "framework/CDataExchange.h"
#include "res/resource.h"

namespace {
constexpr int kPreviewMaxBytes = 20;  // ten full-width characters, as the label says
constexpr int kUpperCase = 0;
constexpr int kLowerCase = 1;
}  // namespace

constinit const CCmdEntry COptionDlg::s_entries[] = {
    MapControl<&COptionDlg::OnRadioUpperCase>(IDC_RADIO_UPPER_CASE, BN_CLICKED),
    MapControl<&COptionDlg::OnRadioLowerCase>(IDC_RADIO_LOWER_CASE, BN_CLICKED),
};
constinit const CCmdMap COptionDlg::s_map{s_entries, &CDialog::s_map};

COptionDlg::COptionDlg(CWnd* pParent) : CDialog(IDD_OPTION, pParent) {}

void COptionDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_EDIT_PREVIEW, m_strPreview);
    DDV_MaxChars(dx, m_strPreview, kPreviewMaxBytes);
    DDX_Text(dx, IDC_EDIT_COPY_PREFIX, m_strCopyPrefix);
    DDX_Radio(dx, IDC_RADIO_UPPER_CASE, m_nCase);
    DDX_Text(dx, IDC_STATIC_CASE_SAMPLE, m_strCaseLabel);
}

bool COptionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_bInitDone = 1;
    m_strCaseLabel = InLetterCase(m_strCaseLabel, m_nCase != kUpperCase);
    UpdateData(false);
    return true;
}

// Writing every member back also puts the two text fields back to the values the dialog opened
// with: what was typed into them before the click is dropped.
void COptionDlg::SetCase(int nCase) {
    if (m_bInitDone == 0) return;
    m_nCase = nCase;
    m_strCaseLabel = InLetterCase(m_strCaseLabel, nCase != kUpperCase);
    UpdateData(false);
}

void COptionDlg::OnRadioUpperCase() { SetCase(kUpperCase); }
void COptionDlg::OnRadioLowerCase() { SetCase(kLowerCase); }
