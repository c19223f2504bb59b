#include "dialogs/CContrastDlg.h"

#include <cstdio>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/ColorCode.h"
#include "catalogue/ContrastRatio.h"
#include "catalogue/ReadableColour.h"
#include "dialogs/ColorSwatch.h"
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
    FillNames();
    ShowProposal(IDS_CONTRAST_NO_PROPOSAL);
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

void CContrastDlg::FillNames() {
    const std::string headings = LoadResString(IDS_CONTRAST_HEADINGS);
    for (int column = 0; column < static_cast<int>(std::size(kColumnFormats)); ++column) {
        m_list.InsertColumn(column, std::string(SplitField(headings, kHeadingSeparator, static_cast<std::size_t>(column))),
                            kColumnFormats[column], 0);
    }
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
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
    m_proposal = NearestReadableColour(Adjusted(), Other(), kLevelRatios[m_nLevel == 1 ? 1 : 0]);
    ShowProposal(IDS_CONTRAST_UNREACHABLE);
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
