#include "view/CHuesmithView.h"

#include <commctrl.h>

#include "app/MainCaption.h"
#include "catalogue/CHuesmithDoc.h"
#include "catalogue/HsColor.h"
#include "catalogue/PreviewStripWindow.h"
#include "framework/AppText.h"
#include "framework/CDataExchange.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/SystemLook.h"
#include "framework/WideText.h"
#include "res/resource.h"

namespace {
constexpr COLORREF kFormBackground = RGB(245, 245, 220);
constexpr short kChannelMin = 0;
constexpr short kChannelMax = 255;
constexpr const char* kReadingOpen = "\x81\x73";   // 《 (CP932)
constexpr const char* kReadingClose = "\x81\x74";  // 》 (CP932)

struct ToolTip {
    int controlId;
    UINT textId;
};
constexpr ToolTip kToolTips[] = {
    {IDC_RADIO_BACK, IDS_TIP_BACK},   {IDC_RADIO_TEXT, IDS_TIP_TEXT},     {IDC_COMBO_NAME, IDS_TIP_NAME},
    {IDC_EDIT_RED, IDS_TIP_RED},      {IDC_SLIDER_RED, IDS_TIP_RED},      {IDC_EDIT_GREEN, IDS_TIP_GREEN},
    {IDC_SLIDER_GREEN, IDS_TIP_GREEN}, {IDC_EDIT_BLUE, IDS_TIP_BLUE},     {IDC_SLIDER_BLUE, IDS_TIP_BLUE},
};

struct ChannelControls {
    int editId;
    int spinId;
    int sliderId;
};
constexpr ChannelControls kChannels[] = {
    {IDC_EDIT_RED, IDC_SPIN_RED, IDC_SLIDER_RED},
    {IDC_EDIT_GREEN, IDC_SPIN_GREEN, IDC_SLIDER_GREEN},
    {IDC_EDIT_BLUE, IDC_SPIN_BLUE, IDC_SLIDER_BLUE},
};
}  // namespace

constinit const CCmdEntry CHuesmithView::s_entries[] = {
    MapControl<&CHuesmithView::OnRadioBackground>(IDC_RADIO_BACK, BN_CLICKED),
    MapControl<&CHuesmithView::OnRadioTextColor>(IDC_RADIO_TEXT, BN_CLICKED),
    MapControl<&CHuesmithView::OnSelchangeComboName>(IDC_COMBO_NAME, CBN_SELCHANGE),
    MapControl<&CHuesmithView::OnChangeEditRed>(IDC_EDIT_RED, EN_CHANGE),
    MapControl<&CHuesmithView::OnChangeEditGreen>(IDC_EDIT_GREEN, EN_CHANGE),
    MapControl<&CHuesmithView::OnChangeEditBlue>(IDC_EDIT_BLUE, EN_CHANGE),
    MapCommand<&CHuesmithView::OnViewAll>(ID_VIEW_ALL),
    MapCommand<&CHuesmithView::OnSearch>(ID_VIEW_SEARCH),
    MapCommand<&CHuesmithView::OnCategory>(ID_VIEW_CATEGORY),
    MapCommand<&CHuesmithView::OnSort>(ID_VIEW_SORT),
    MapCommand<&CHuesmithView::OnEditCopy>(ID_EDIT_COPY),
    MapCommand<&CHuesmithView::OnEditPaste>(ID_EDIT_PASTE),
    MapCommand<&CHuesmithView::OnInverse>(ID_TOOL_INVERSE),
    MapCommand<&CHuesmithView::OnColorDialog>(ID_TOOL_COLOR_DIALOG),
    MapCommand<&CHuesmithView::OnOption>(ID_TOOL_OPTION),
    MapCommand<&CHuesmithView::OnHelpContents>(ID_HELP_INDEX),
    MapCommand<&CHuesmithView::OnEyedropper>(ID_TOOL_EYEDROPPER),
    MapCommand<&CHuesmithView::OnContrast>(ID_TOOL_CONTRAST),
    MapCommand<&CHuesmithView::OnHexConvert>(ID_EDIT_HEX),
    MapCommand<&CHuesmithView::OnColorEdit>(ID_EDIT_COLOR_DATA),
    MapUpdate<&CHuesmithView::OnUpdateDisplayMode>(ID_VIEW_ALL),
    MapUpdate<&CHuesmithView::OnUpdateDisplayMode>(ID_VIEW_SEARCH),
    MapUpdate<&CHuesmithView::OnUpdateDisplayMode>(ID_VIEW_CATEGORY),
};
constinit const CCmdMap CHuesmithView::s_map{s_entries, &CCmdTarget::s_map};

CHuesmithView::CHuesmithView() : CFormView(IDD_HUESMITH_FORM), m_brushBack(kFormBackground) {}

CHuesmithView::~CHuesmithView() = default;

CHuesmithDoc* CHuesmithView::GetDocument() const { return static_cast<CHuesmithDoc*>(m_pDocument); }

bool CHuesmithView::Create(CFrameWnd& parent, UINT id, CDocument& document) {
    if (!CFormView::Create(parent, id, document)) return false;
    if (m_tooltip.Create(*this)) {
        m_tooltip.Activate(true);
        for (const ToolTip& tip : kToolTips) m_tooltip.AddTool(GetDlgItem(tip.controlId), LoadResString(tip.textId));
    }
    return true;
}

bool CHuesmithView::PreTranslateMessage(MSG& msg) {
    m_tooltip.RelayEvent(msg);
    return CFormView::PreTranslateMessage(msg);
}

void CHuesmithView::DoDataExchange(CDataExchange& dx) {
    DDX_Radio(dx, IDC_RADIO_BACK, m_nColorTarget);
    DDX_Text(dx, IDC_EDIT_RED, m_nRed);
    DDV_MinMaxShort(dx, m_nRed, kChannelMin, kChannelMax);
    DDX_Text(dx, IDC_EDIT_GREEN, m_nGreen);
    DDV_MinMaxShort(dx, m_nGreen, kChannelMin, kChannelMax);
    DDX_Text(dx, IDC_EDIT_BLUE, m_nBlue);
    DDV_MinMaxShort(dx, m_nBlue, kChannelMin, kChannelMax);
}

void CHuesmithView::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    GetParentFrame()->RecalcLayout();
    ResizeParentToFit(false);
    for (const ChannelControls& channel : kChannels) {
        SendDlgItemMessage(channel.spinId, UDM_SETRANGE, 0, MAKELPARAM(kChannelMax, kChannelMin));
    }
    for (const ChannelControls& channel : kChannels) {
        SendDlgItemMessage(channel.sliderId, TBM_SETRANGE, FALSE, MAKELPARAM(kChannelMin, kChannelMax));
        SendDlgItemMessage(channel.sliderId, TBM_SETPOS, TRUE, kChannelMax);
    }
    OnViewAll();
    m_bInitialized = 1;
}

void CHuesmithView::OnDraw(CDC* pDC) { GetDocument()->DrawPreview(pDC); }

// The form's beige gives way to the system's colours under a high-contrast theme, whose text
// colours would not read on it.
HBRUSH CHuesmithView::OnCtlColor(HDC dc, HWND control, UINT ctlColor) {
    const HBRUSH defaultBrush = CFormView::OnCtlColor(dc, control, ctlColor);
    if (HighContrastOn()) return defaultBrush;
    switch (ctlColor) {
    case CTLCOLOR_DLG: return m_brushBack.GetSafeHandle();
    case CTLCOLOR_STATIC: ::SetBkMode(dc, TRANSPARENT); return m_brushBack.GetSafeHandle();
    default: return defaultBrush;
    }
}

void CHuesmithView::OnViewAll() {
    if (m_nDisplayMode == ID_VIEW_ALL) return;
    m_nDisplayMode = ID_VIEW_ALL;
    CWaitCursor wait;
    CHuesmithDoc& doc = *GetDocument();
    doc.ClearDisplay();
    for (int i = 0; i < doc.GetCount(); ++i) doc.AddToDisplay(i);
    FillNameCombo();
}

void CHuesmithView::FillNameCombo() {
    const CHuesmithDoc& doc = *GetDocument();
    const HWND combo = GetDlgItem(IDC_COMBO_NAME);
    const int count = doc.GetDisplayCount();
    // One redraw and one allocation for the whole list, however long it is.
    ::SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    ::SendMessageW(combo, CB_INITSTORAGE, static_cast<WPARAM>(count), static_cast<LPARAM>(count) * 32);
    std::string item;
    std::wstring wide;
    for (int i = 0; i < count; ++i) {
        item = doc.GetDisplayName(i);
        item += kReadingOpen;
        item += doc.GetDisplayReading(i);
        item += kReadingClose;
        WideFromCp932(item, wide);
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    ::SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(combo, nullptr, TRUE);
    GetParentFrame()->SetWindowTextA(FormatMainCaption(LoadResString(AFX_IDS_APP_TITLE), count));
}

void CHuesmithView::ApplyCurrentColor() {
    UpdateData(false);
    OnChangeEditRed();
    OnChangeEditGreen();
    OnChangeEditBlue();
}

void CHuesmithView::SelectNearest() {
    OnViewAll();
    int nearest = -1;
    {
        CWaitCursor wait;
        nearest = GetDocument()->FindNearest(m_nRed, m_nGreen, m_nBlue);
    }
    SendDlgItemMessage(IDC_COMBO_NAME, CB_SETCURSEL, static_cast<WPARAM>(nearest), 0);
}

void CHuesmithView::OnChannelChanged(int sliderId, const short& channel) {
    // Before the view is initialised a change only re-applies the members to the document.
    if (m_bInitialized != 0) {
        UpdateData(true);
        // TBM_SETPOS sends no notification, so the slider does not echo back into the field.
        SendDlgItemMessage(sliderId, TBM_SETPOS, TRUE, channel);
    }
    CHuesmithDoc& doc = *GetDocument();
    const HsColor color = PackColor(m_nRed, m_nGreen, m_nBlue);
    if (m_nColorTarget == 0) {
        doc.SetBackColor(color);
    } else {
        doc.SetTextColor(color);
    }
    InvalidateRect(PreviewRectOf(m_hWnd), false);
}

void CHuesmithView::OnChangeEditRed() { OnChannelChanged(IDC_SLIDER_RED, m_nRed); }
void CHuesmithView::OnChangeEditGreen() { OnChannelChanged(IDC_SLIDER_GREEN, m_nGreen); }
void CHuesmithView::OnChangeEditBlue() { OnChannelChanged(IDC_SLIDER_BLUE, m_nBlue); }

void CHuesmithView::OnHScroll(UINT code, UINT pos, HWND scrollBar) {
    for (const ChannelControls& channel : kChannels) {
        if (scrollBar != nullptr && scrollBar == GetDlgItem(channel.sliderId)) {
            const auto position = static_cast<int>(::SendMessageW(scrollBar, TBM_GETPOS, 0, 0));
            SetDlgItemInt(channel.editId, position);
            break;
        }
    }
    CFormView::OnHScroll(code, pos, scrollBar);
}

void CHuesmithView::OnSelchangeComboName() {
    const auto selection = static_cast<int>(SendDlgItemMessage(IDC_COMBO_NAME, CB_GETCURSEL));
    if (selection == CB_ERR) return;
    const CHuesmithDoc& doc = *GetDocument();
    m_nRed = doc.GetDisplayRed(selection);
    m_nGreen = doc.GetDisplayGreen(selection);
    m_nBlue = doc.GetDisplayBlue(selection);
    ApplyCurrentColor();
}

void CHuesmithView::SetSliderPositions() const {
    const short values[] = {m_nRed, m_nGreen, m_nBlue};
    for (std::size_t i = 0; i < std::size(kChannels); ++i) {
        SendDlgItemMessage(kChannels[i].sliderId, TBM_SETPOS, TRUE, values[i]);
    }
}

void CHuesmithView::SwitchTarget(int target) {
    const CHuesmithDoc& doc = *GetDocument();
    const HsColor color = target == 0 ? doc.GetBackColor() : doc.GetTextColor();
    m_nRed = RedOf(color);
    m_nGreen = GreenOf(color);
    m_nBlue = BlueOf(color);
    SetSliderPositions();
    m_nColorTarget = target;
    // The nearest name is shown only while the whole catalogue is listed.
    if (m_nDisplayMode == ID_VIEW_ALL) {
        int nearest = -1;
        {
            CWaitCursor wait;
            nearest = doc.FindNearest(m_nRed, m_nGreen, m_nBlue);
        }
        SendDlgItemMessage(IDC_COMBO_NAME, CB_SETCURSEL, static_cast<WPARAM>(nearest), 0);
    }
    UpdateData(false);
}

void CHuesmithView::OnRadioBackground() { SwitchTarget(0); }
void CHuesmithView::OnRadioTextColor() { SwitchTarget(1); }
