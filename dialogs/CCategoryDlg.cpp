#include "dialogs/CCategoryDlg.h"

#include "dialogs/ModeSwitch.h"
#include "framework/CDataExchange.h"
#include "res/resource.h"

namespace {
constexpr int kByReading = 0;
constexpr int kByColor = 1;
}  // namespace

constinit const CCmdEntry CCategoryDlg::s_entries[] = {
    MapControl<&CCategoryDlg::OnRadioReading>(IDC_RADIO_CATEGORY_READING, BN_CLICKED),
    MapControl<&CCategoryDlg::OnRadioColor>(IDC_RADIO_CATEGORY_COLOR, BN_CLICKED),
};
constinit const CCmdMap CCategoryDlg::s_map{s_entries, &CDialog::s_map};

CCategoryDlg::CCategoryDlg(CWnd* pParent) : CDialog(IDD_CATEGORY, pParent) {}

void CCategoryDlg::DoDataExchange(CDataExchange& dx) {
    // The reading radio precedes the colour radio in the template, so it is the group's value 0.
    DDX_Radio(dx, IDC_RADIO_CATEGORY_READING, m_nMode);
    for (int i = 0; i < kRowCount; ++i) DDX_Check(dx, IDC_CHECK_ROW_A + i, m_bRow[static_cast<std::size_t>(i)]);
    for (int i = 0; i < kFamilyCount; ++i) {
        DDX_Check(dx, IDC_CHECK_FAMILY_RED + i, m_bFamily[static_cast<std::size_t>(i)]);
    }
}

bool CCategoryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_bInitDone = 1;
    EnableForMode();
    return true;
}

// Disabled boxes keep their check marks; only the mode's own boxes can be changed.
void CCategoryDlg::EnableForMode() const {
    const ModeEnabling enabling = EnablingForMode(m_nMode);
    for (int i = 0; i < kRowCount; ++i) EnableDlgItem(IDC_CHECK_ROW_A + i, enabling.firstGroup);
    for (int i = 0; i < kFamilyCount; ++i) EnableDlgItem(IDC_CHECK_FAMILY_RED + i, enabling.secondGroup);
}

// The members change only when OK reads the boxes, so writing them here puts every box back to
// how the dialog opened: a change of mode drops the ticks made since.
void CCategoryDlg::SwitchMode(int mode) {
    if (!ModeSwitchApplies(m_bInitDone != 0, m_nMode, mode)) return;
    m_nMode = mode;
    EnableForMode();
    UpdateData(false);
}

void CCategoryDlg::OnRadioReading() { SwitchMode(kByReading); }
void CCategoryDlg::OnRadioColor() { SwitchMode(kByColor); }
