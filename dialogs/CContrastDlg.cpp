#include "dialogs/CContrastDlg.h"

#include <cstdio>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/ColorCode.h"
#include "catalogue/ColourVision.h"
#include "catalogue/ContrastRatio.h"
#include "catalogue/ReadableColour.h"
#include "dialogs/ColorSwatch.h"
#include "eyedropper/CEyedropperDlg.h"
#include "framework/AppText.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CGdiObject.h"
#include "framework/CHandle.h"
#include "framework/Dpi.h"
#include "framework/TextFormat.h"
#include "res/resource.h"

namespace {
constexpr std::size_t kNearestNameCount = 5;
constexpr char kHeadingSeparator = '\n';
// The share of the list's width each column takes, whatever the scale.
constexpr int kColumnWeights[] = {95, 95, 80, 55};
constexpr int kColumnFormats[] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT};
constexpr int kSwatchSideAtStandardDpiPx = 14;
// WCAG's normal text is below 18 pt; 18 pt is its "large" text.
constexpr int kNormalTextPt = 12;
constexpr int kLargeTextPt = 18;
constexpr int kPointsPerInch = 72;
constexpr int kTextMarginAtStandardDpiPx = 6;
constexpr const wchar_t* kPairFontFace = L"ＭＳ Ｐゴシック";  // the dialogs' own face
constexpr double kLevelRatios[] = {kAaNormalRatio, kAaaNormalRatio};
constexpr int kVisionRatioIds[] = {IDC_STATIC_VISION_RATIO_1, IDC_STATIC_VISION_RATIO_2, IDC_STATIC_VISION_RATIO_3,
                                   IDC_STATIC_VISION_RATIO_4};
constexpr int kVisionVerdictIds[] = {IDC_STATIC_VISION_VERDICT_1, IDC_STATIC_VISION_VERDICT_2,
                                     IDC_STATIC_VISION_VERDICT_3, IDC_STATIC_VISION_VERDICT_4};
constexpr int kVisionSwatchIds[] = {IDC_STATIC_VISION_SWATCH_1, IDC_STATIC_VISION_SWATCH_2, IDC_STATIC_VISION_SWATCH_3,
                                    IDC_STATIC_VISION_SWATCH_4};
constexpr char kNameSeparator = '\n';
constexpr const char* kNameJoint = "\x81\x41";  // 、

std::string CodeOf(HsColor color) { return FormatHtmlCode(RedOf(color), GreenOf(color), BlueOf(color)); }

std::string VerdictText(bool passes) { return LoadResString(passes ? IDS_CONTRAST_PASS : IDS_CONTRAST_FAIL); }

// A small square of the colour, for the name list's image list.
void AddSwatch(HIMAGELIST list, int side, HsColor color) {
    const CClientDC screen(nullptr);
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(screen.GetSafeHdc(), side, side)) return;
    {
        const CMemoryDC memory = screen.CreateCompatibleDC();
        memory.SelectObject(bitmap.GetSafeHandle());
        memory.FillSolidRect(0, 0, side, side, color);
    }
    ::ImageList_Add(list, bitmap.GetSafeHandle(), nullptr);
}
}  // namespace

constinit const CCmdEntry CContrastDlg::s_entries[] = {
    MapControl<&CContrastDlg::OnUseName>(IDC_BUTTON_CONTRAST_USE_NAME, BN_CLICKED),
    MapControl<&CContrastDlg::OnPropose>(IDC_BUTTON_CONTRAST_PROPOSE, BN_CLICKED),
    MapNotify<&CContrastDlg::OnDblClkNames>(IDC_LIST_CONTRAST_NAMES, NM_DBLCLK),
    MapControl<&CContrastDlg::OnPickBack>(IDC_BUTTON_CONTRAST_PICK_BACK, BN_CLICKED),
    MapControl<&CContrastDlg::OnPickText>(IDC_BUTTON_CONTRAST_PICK_TEXT, BN_CLICKED),
    MapControl<&CContrastDlg::OnLevel>(IDC_RADIO_CONTRAST_AA, BN_CLICKED),
    MapControl<&CContrastDlg::OnLevel>(IDC_RADIO_CONTRAST_AAA, BN_CLICKED),
};
constinit const CCmdMap CContrastDlg::s_map{s_entries, &CDialog::s_map};

CContrastDlg::CContrastDlg(CWnd* pParent) : CDialog(IDD_CONTRAST, pParent) {}

void CContrastDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_LIST_CONTRAST_NAMES, m_list);
    DDX_Radio(dx, IDC_RADIO_CONTRAST_AA, m_nLevel);
}

bool CContrastDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowPair();
    AddNameColumns();
    FillNames();
    ShowProposal(IDS_CONTRAST_NO_PROPOSAL);
    ShowVisions();
    return true;
}

void CContrastDlg::ShowPair() const {
    const auto code = [this](HsColor color) {
        return color == Adjusted() ? FormatResString(IDS_CONTRAST_EDITED, {CodeOf(color)}) : CodeOf(color);
    };
    // Equal colours mark both: either may be the one adjusted, and the ratio is 1 either way.
    SetDlgItemTextA(IDC_STATIC_CONTRAST_BACK, code(m_crBack));
    SetDlgItemTextA(IDC_STATIC_CONTRAST_TEXT, code(m_crText));
    const double ratio = ContrastRatio(m_crBack, m_crText);
    const ContrastVerdicts verdicts = ContrastVerdictsFor(ratio);
    const std::pair<int, std::string> texts[] = {
        {IDC_STATIC_CONTRAST_RATIO, FormatContrastRatio(ratio)},
        {IDC_STATIC_VERDICT_AA_NORMAL, VerdictText(verdicts.aaNormal)},
        {IDC_STATIC_VERDICT_AA_LARGE, VerdictText(verdicts.aaLarge)},
        {IDC_STATIC_VERDICT_AAA_NORMAL, VerdictText(verdicts.aaaNormal)},
        {IDC_STATIC_VERDICT_AAA_LARGE, VerdictText(verdicts.aaaLarge)},
    };
    for (const auto& [id, text] : texts) SetDlgItemTextA(id, text);
}

void CContrastDlg::AddNameColumns() {
    const std::string headings = LoadResString(IDS_CONTRAST_HEADINGS);
    for (int column = 0; column < static_cast<int>(std::size(kColumnFormats)); ++column) {
        m_list.InsertColumn(column, std::string(SplitField(headings, kHeadingSeparator, static_cast<std::size_t>(column))),
                            kColumnFormats[column], 0);
    }
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
}

void CContrastDlg::FillNames() {
    ::SendMessageW(m_list.m_hWnd, LVM_DELETEALLITEMS, 0, 0);
    const CHuesmithDoc& doc = *m_pDoc;
    m_names = FindNearestNames(doc.GetCatalogue(), RedOf(Adjusted()), GreenOf(Adjusted()), BlueOf(Adjusted()),
                               kNearestNameCount);
    MakeSwatches(WindowDpi(m_hWnd));
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        const int index = m_names[i].index;
        // The code of the colour the name applies, a channel beyond 0-255 in the file packed too.
        const HsColor color = CatalogueColour(index);
        const int item = m_list.InsertItem(static_cast<int>(i), doc.GetCatalogueName(index), static_cast<int>(i));
        char distance[32];
        std::snprintf(distance, sizeof(distance), "%.1f", m_names[i].distance);
        m_list.SetItemText(item, 1, doc.GetCatalogueReading(index));
        m_list.SetItemText(item, 2, CodeOf(color));
        m_list.SetItemText(item, 3, distance);
    }
    m_list.FitColumns(kColumnWeights);
}

// The names' swatches at the scale's size; the list takes the new ones before the old ones go.
void CContrastDlg::MakeSwatches(int dpi) {
    const int side = ::MulDiv(kSwatchSideAtStandardDpiPx, dpi, USER_DEFAULT_SCREEN_DPI);
    CHandle<HIMAGELIST, &::ImageList_Destroy> swatches(
        ::ImageList_Create(side, side, ILC_COLOR24, static_cast<int>(kNearestNameCount), 0));
    for (const NearestName& name : m_names) AddSwatch(swatches.Get(), side, CatalogueColour(name.index));
    ::SendMessageW(m_list.m_hWnd, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(swatches.Get()));
    m_swatches = std::move(swatches);
}

// Columns and swatches follow the list after a rescale.
void CContrastDlg::OnRescaled(UINT dpi) {
    MakeSwatches(static_cast<int>(dpi));
    m_list.FitColumns(kColumnWeights);
}

void CContrastDlg::ProposeName(int item) {
    if (item < 0 || static_cast<std::size_t>(item) >= m_names.size()) return;
    m_proposal = CatalogueColour(m_names[static_cast<std::size_t>(item)].index);
    m_bProposalReadable = false;
    ShowProposal(IDS_CONTRAST_NO_PROPOSAL);
}

HsColor CContrastDlg::CatalogueColour(int index) const {
    return PackColor(m_pDoc->GetCatalogueRed(index), m_pDoc->GetCatalogueGreen(index), m_pDoc->GetCatalogueBlue(index));
}

void CContrastDlg::OnUseName() { ProposeName(m_list.GetNextItem(-1, LVNI_SELECTED)); }

void CContrastDlg::OnDblClkNames(NMHDR& header, LRESULT&) {
    ProposeName(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
}

void CContrastDlg::OnPropose() {
    if (!UpdateData(true)) return;
    m_proposal = NearestReadableColour(Adjusted(), Other(), RequiredRatio());
    m_bProposalReadable = true;
    ShowProposal(IDS_CONTRAST_UNREACHABLE);
}

double CContrastDlg::RequiredRatio() const { return kLevelRatios[m_nLevel == 1 ? 1 : 0]; }

// The views judge the pair at the proposal's level.
void CContrastDlg::OnLevel() {
    if (UpdateData(true)) ShowVisions();
}

// The dialog goes out of the way while the screen is copied, and comes back with the colour taken.
// What follows the pair follows at once: its texts, the names nearest to the colour adjusted, a
// readable proposal worked out again (a name proposed stays), the views.
void CContrastDlg::PickFromScreen(HsColor& colour) {
    if (!UpdateData(true)) return;
    CWnd* owner = GetParent();
    ShowWindow(SW_HIDE);
    // What the dialog covered is painted before the screen is copied: without desktop composition
    // (Wine on X) the uncovered part is announced only later and would be copied unpainted.
    ::RedrawWindow(owner->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The main window owns the eyedropper: a run owned by this hidden dialog cannot move its
    // magnifier out of the cursor's way under Wine.
    CEyedropperDlg eyedropper(*m_pDoc, owner);
    const bool picked = eyedropper.DoModal() == IDOK;
    ShowWindow(SW_SHOW);
    if (!picked) return;
    colour = eyedropper.m_color;
    ShowPair();
    FillNames();
    if (m_bProposalReadable) m_proposal = NearestReadableColour(Adjusted(), Other(), RequiredRatio());
    ShowProposal(IDS_CONTRAST_UNREACHABLE);
    ShowVisions();
    Invalidate(true);
}

void CContrastDlg::ShowVisions() const {
    const std::string names = LoadResString(IDS_VISION_NAMES);
    const std::string level = GetDlgItemTextA(m_nLevel == 1 ? IDC_RADIO_CONTRAST_AAA : IDC_RADIO_CONTRAST_AA);
    for (std::size_t i = 0; i < kSimulatedVisions.size(); ++i) {
        const double ratio = SimulatedContrastRatio(m_crText, m_crBack, kSimulatedVisions[i]);
        SetDlgItemTextA(kVisionRatioIds[i], FormatContrastRatio(ratio));
        SetDlgItemTextA(kVisionVerdictIds[i], FormatResString(IDS_VISION_VERDICT, {level, VerdictText(ratio >= RequiredRatio())}));
    }
    std::string failing;
    for (const ColourVision vision : VisionsFailingAlone(m_crText, m_crBack, RequiredRatio())) {
        if (!failing.empty()) failing += kNameJoint;
        failing += SplitField(names, kNameSeparator, static_cast<std::size_t>(vision));
    }
    SetDlgItemTextA(IDC_STATIC_VISION_WARNING, failing.empty() ? std::string() : FormatResString(IDS_VISION_WARNING, {level, failing}));
}

void CContrastDlg::ShowProposal(unsigned absentTextId) {
    const std::string text =
        m_proposal ? FormatResString(IDS_CONTRAST_PROPOSAL,
                                     {CodeOf(*m_proposal), FormatContrastRatio(ContrastRatio(*m_proposal, Other()))})
                   : LoadResString(absentTextId);
    SetDlgItemTextA(IDC_STATIC_CONTRAST_PROPOSAL, text);
    InvalidateRect(SwatchRect(), true);
}

void CContrastDlg::OnPaint() {
    CPaintDC dc(m_hWnd);
    PaintPair(dc);
    PaintVisions(dc);
    if (m_proposal) PaintSwatch(dc, SwatchRect(), *m_proposal);
}

// The preview text in the text colour on the background, at WCAG's normal and large sizes.
void CContrastDlg::PaintPair(const CDC& dc) const {
    const RECT pair = SwatchRectFromFrame(*this, IDC_STATIC_CONTRAST_PAIR);
    PaintSwatch(dc, pair, m_crBack);
    // A long preview text (a settings file may hold any) stays inside the pair's frame. The clip
    // is the pair's alone: the proposal's swatch is painted after it with the same DC.
    const HDC hdc = dc.GetSafeHdc();
    const CScopeExit restore([hdc, saved = ::SaveDC(hdc)] { ::RestoreDC(hdc, saved); });
    ::IntersectClipRect(hdc, pair.left, pair.top, pair.right, pair.bottom);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crText);
    const int dpi = WindowDpi(m_hWnd);
    const int margin = ::MulDiv(kTextMarginAtStandardDpiPx, dpi, USER_DEFAULT_SCREEN_DPI);
    int top = pair.top + margin / 2;
    for (const int points : {kNormalTextPt, kLargeTextPt}) {
        LOGFONTW face{};
        face.lfHeight = -::MulDiv(points, dpi, kPointsPerInch);
        face.lfCharSet = DEFAULT_CHARSET;
        ::lstrcpynW(face.lfFaceName, kPairFontFace, LF_FACESIZE);
        CFont font;
        if (!font.CreateFontIndirect(face)) continue;
        // The old font goes back before this one is deleted at the end of the turn.
        const HGDIOBJ old = dc.SelectObject(font.GetSafeHandle());
        dc.TextOut(pair.left + margin, top, m_strPreview);
        dc.SelectObject(old);
        top += -face.lfHeight + margin / 2;
    }
}

// Each view's sample: "Aa" in the text colour on the background, both as that view sees them.
void CContrastDlg::PaintVisions(const CDC& dc) const {
    constexpr wchar_t kSample[] = L"Aa";
    const HDC hdc = dc.GetSafeHdc();
    const CScopeExit restore([hdc, saved = ::SaveDC(hdc)] { ::RestoreDC(hdc, saved); });
    ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
    for (std::size_t i = 0; i < kSimulatedVisions.size(); ++i) {
        RECT swatch = SwatchRectFromFrame(*this, kVisionSwatchIds[i]);
        PaintSwatch(dc, swatch, ColourOf(SimulateVision(LinearRgbOf(m_crBack), kSimulatedVisions[i])));
        ::SetBkMode(hdc, TRANSPARENT);
        ::SetTextColor(hdc, ColourOf(SimulateVision(LinearRgbOf(m_crText), kSimulatedVisions[i])));
        ::DrawTextW(hdc, kSample, -1, &swatch, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}
