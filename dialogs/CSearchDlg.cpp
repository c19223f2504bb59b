#include "dialogs/CSearchDlg.h"

#include "dialogs/ModeSwitch.h"
#include "framework/CDataExchange.h"
#include "framework/WideText.h"
#include "res/resource.h"

namespace {
constexpr int kSearchByName = 0;
constexpr int kSearchByRange = 1;
constexpr int kSearchNameMaxBytes = 20;  // ten full-width characters

// The controls of a range search: each bound's edit and its up-down.
constexpr int kRangeControls[] = {
    IDC_EDIT_RED_MIN,   IDC_SPIN_RED_MIN,   IDC_EDIT_RED_MAX,   IDC_SPIN_RED_MAX,
    IDC_EDIT_GREEN_MIN, IDC_SPIN_GREEN_MIN, IDC_EDIT_GREEN_MAX, IDC_SPIN_GREEN_MAX,
    IDC_EDIT_BLUE_MIN,  IDC_SPIN_BLUE_MIN,  IDC_EDIT_BLUE_MAX,  IDC_SPIN_BLUE_MAX,
};

void ExchangeChannel(CDataExchange& dx, int id, short& value) {
    DDX_Text(dx, id, value);
    DDV_MinMaxShort(dx, value, kChannelLowest, kChannelHighest);
}

void ApplyRange(const CSpinButtonCtrl& spin, SpinRange range) { spin.SetRange(range.lower, range.upper); }
}  // namespace

constinit const CCmdEntry CSearchDlg::s_entries[] = {
    MapControl<&CSearchDlg::OnRadioName>(IDC_RADIO_SEARCH_NAME, BN_CLICKED),
    MapControl<&CSearchDlg::OnRadioRgb>(IDC_RADIO_SEARCH_RGB, BN_CLICKED),
    MapControl<&CSearchDlg::OnReset>(IDC_BUTTON_RESET, BN_CLICKED),
    MapControl<&CSearchDlg::OnChangeRedMin>(IDC_EDIT_RED_MIN, EN_CHANGE),
    MapControl<&CSearchDlg::OnChangeRedMax>(IDC_EDIT_RED_MAX, EN_CHANGE),
    MapControl<&CSearchDlg::OnChangeGreenMin>(IDC_EDIT_GREEN_MIN, EN_CHANGE),
    MapControl<&CSearchDlg::OnChangeGreenMax>(IDC_EDIT_GREEN_MAX, EN_CHANGE),
    MapControl<&CSearchDlg::OnChangeBlueMin>(IDC_EDIT_BLUE_MIN, EN_CHANGE),
    MapControl<&CSearchDlg::OnChangeBlueMax>(IDC_EDIT_BLUE_MAX, EN_CHANGE),
};
constinit const CCmdMap CSearchDlg::s_map{s_entries, &CDialog::s_map};

CSearchDlg::CSearchDlg(CWnd* pParent) : CDialog(IDD_SEARCH, pParent) {}

void CSearchDlg::DoDataExchange(CDataExchange& dx) {
    // The up-downs first, so that they are attached before anything else touches them.
    DDX_Control(dx, IDC_SPIN_RED_MIN, m_spinRedMin);
    DDX_Control(dx, IDC_SPIN_RED_MAX, m_spinRedMax);
    DDX_Control(dx, IDC_SPIN_GREEN_MIN, m_spinGreenMin);
    DDX_Control(dx, IDC_SPIN_GREEN_MAX, m_spinGreenMax);
    DDX_Control(dx, IDC_SPIN_BLUE_MIN, m_spinBlueMin);
    DDX_Control(dx, IDC_SPIN_BLUE_MAX, m_spinBlueMax);
    ExchangeChannel(dx, IDC_EDIT_RED_MIN, m_nRedMin);
    ExchangeChannel(dx, IDC_EDIT_RED_MAX, m_nRedMax);
    ExchangeChannel(dx, IDC_EDIT_GREEN_MIN, m_nGreenMin);
    ExchangeChannel(dx, IDC_EDIT_GREEN_MAX, m_nGreenMax);
    ExchangeChannel(dx, IDC_EDIT_BLUE_MIN, m_nBlueMin);
    ExchangeChannel(dx, IDC_EDIT_BLUE_MAX, m_nBlueMax);
    // A character no name can hold is no mistake here: the search simply finds nothing.
    m_bNameFindsNothing = !DDX_TextIfSpelled(dx, IDC_EDIT_SEARCH_NAME, m_strSearchName);
    DDV_MaxChars(dx, m_strSearchName, kSearchNameMaxBytes);
    DDX_Radio(dx, IDC_RADIO_SEARCH_NAME, m_nSearchMode);
}

bool CSearchDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetSpinRanges();
    m_bInitialized = 1;
    EnableForMode();
    return true;
}

// Each up-down steps only up to (or down to) the other bound of its colour.
void CSearchDlg::SetSpinRanges() const {
    ApplyRange(m_spinRedMin, LowerSpinRange(m_nRedMax));
    ApplyRange(m_spinRedMax, UpperSpinRange(m_nRedMin));
    ApplyRange(m_spinGreenMin, LowerSpinRange(m_nGreenMax));
    ApplyRange(m_spinGreenMax, UpperSpinRange(m_nGreenMin));
    ApplyRange(m_spinBlueMin, LowerSpinRange(m_nBlueMax));
    ApplyRange(m_spinBlueMax, UpperSpinRange(m_nBlueMin));
}

void CSearchDlg::EnableForMode() const {
    const ModeEnabling enabling = EnablingForMode(m_nSearchMode);
    EnableDlgItem(IDC_EDIT_SEARCH_NAME, enabling.firstGroup);
    for (const int id : kRangeControls) EnableDlgItem(id, enabling.secondGroup);
}

// The fields are written back without being read first: text typed into the search string since
// the last reading is dropped, as the user last confirmed it.
void CSearchDlg::SwitchMode(int mode) {
    if (!ModeSwitchApplies(m_bInitialized != 0, m_nSearchMode, mode)) return;
    m_nSearchMode = mode;
    EnableForMode();
    UpdateData(false);
}

void CSearchDlg::OnRadioName() { SwitchMode(kSearchByName); }
void CSearchDlg::OnRadioRgb() { SwitchMode(kSearchByRange); }

void CSearchDlg::OnReset() {
    if (m_bInitialized == 0) return;
    m_strSearchName.clear();
    m_nRedMin = m_nGreenMin = m_nBlueMin = kChannelLowest;
    m_nRedMax = m_nGreenMax = m_nBlueMax = kChannelHighest;
    for (const CSpinButtonCtrl* spin :
         {&m_spinRedMin, &m_spinRedMax, &m_spinGreenMin, &m_spinGreenMax, &m_spinBlueMin, &m_spinBlueMax}) {
        ApplyRange(*spin, kFullChannelRange);
    }
    UpdateData(false);
}

// Every change re-reads all fields, so a wrong value is reported at once. The partner's range moves
// only for a valid value: the up-down must never be given a range outside the channel.
void CSearchDlg::OnBoundChanged(int editId, BoundEnd end, const CSpinButtonCtrl& partner) {
    if (m_bInitialized == 0) return;
    UpdateData(true);
    const std::string text = Cp932FromWide(CodeTextOf(GetDlgItem(editId))).value_or(std::string());
    if (const auto range = PartnerSpinRange(text, end)) ApplyRange(partner, *range);
}

void CSearchDlg::OnChangeRedMin() { OnBoundChanged(IDC_EDIT_RED_MIN, BoundEnd::Lower, m_spinRedMax); }
void CSearchDlg::OnChangeRedMax() { OnBoundChanged(IDC_EDIT_RED_MAX, BoundEnd::Upper, m_spinRedMin); }
void CSearchDlg::OnChangeGreenMin() { OnBoundChanged(IDC_EDIT_GREEN_MIN, BoundEnd::Lower, m_spinGreenMax); }
void CSearchDlg::OnChangeGreenMax() { OnBoundChanged(IDC_EDIT_GREEN_MAX, BoundEnd::Upper, m_spinGreenMin); }
void CSearchDlg::OnChangeBlueMin() { OnBoundChanged(IDC_EDIT_BLUE_MIN, BoundEnd::Lower, m_spinBlueMax); }
void CSearchDlg::OnChangeBlueMax() { OnBoundChanged(IDC_EDIT_BLUE_MAX, BoundEnd::Upper, m_spinBlueMin); }
