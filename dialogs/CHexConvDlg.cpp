#include "dialogs/CHexConvDlg.h"

#include <array>

#include "catalogue/HsColor.h"
#include "dialogs/ColorSwatch.h"
#include "framework/AppText.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CrtNumber.h"
#include "res/resource.h"

namespace {
constexpr std::array kChannels{ColorChannel::Red, ColorChannel::Green, ColorChannel::Blue};
constexpr std::array kHexFieldIds{IDC_EDIT_HEX_RED, IDC_EDIT_HEX_GREEN, IDC_EDIT_HEX_BLUE};

constexpr std::size_t IndexOf(ColorChannel channel) { return static_cast<std::size_t>(channel); }

// A value that is no channel gets a mark instead of its number, so that it can never pass for one.
std::string DecimalDisplay(long value) {
    return IsChannelValue(value) ? std::to_string(value) : LoadResString(IDS_HEX_NO_CHANNEL);
}

// The swatch takes the low byte of each decimal display, as they read.
short LowByteOf(const std::string& decimal) { return static_cast<short>(CrtAtoi(decimal) & 0xFF); }
}  // namespace

constinit const CCmdEntry CHexConvDlg::s_entries[] = {
    MapControl<&CHexConvDlg::OnChangeHexRed>(IDC_EDIT_HEX_RED, EN_CHANGE),
    MapControl<&CHexConvDlg::OnChangeHexGreen>(IDC_EDIT_HEX_GREEN, EN_CHANGE),
    MapControl<&CHexConvDlg::OnChangeHexBlue>(IDC_EDIT_HEX_BLUE, EN_CHANGE),
    MapControl<&CHexConvDlg::OnChangeHtmlCode>(IDC_EDIT_HEX_HTML_CODE, EN_CHANGE),
};
constinit const CCmdMap CHexConvDlg::s_map{s_entries, &CDialog::s_map};

CHexConvDlg::CHexConvDlg(CWnd* pParent) : CDialog(IDD_HEX_CONV, pParent) {}

void CHexConvDlg::DoDataExchange(CDataExchange& dx) {
    DDX_CodeText(dx, IDC_EDIT_HEX_RED, m_strHexRed);
    DDV_MaxChars(dx, m_strHexRed, kHexChannelMaxBytes);
    DDX_CodeText(dx, IDC_EDIT_HEX_GREEN, m_strHexGreen);
    DDV_MaxChars(dx, m_strHexGreen, kHexChannelMaxBytes);
    DDX_CodeText(dx, IDC_EDIT_HEX_BLUE, m_strHexBlue);
    DDV_MaxChars(dx, m_strHexBlue, kHexChannelMaxBytes);
    DDX_CodeText(dx, IDC_EDIT_HEX_HTML_CODE, m_strHtmlCode);
    DDV_MaxChars(dx, m_strHtmlCode, kHtmlCodeMaxBytes);
    DDX_Text(dx, IDC_STATIC_DEC_RED, m_strDecRed);
    DDX_Text(dx, IDC_STATIC_DEC_GREEN, m_strDecGreen);
    DDX_Text(dx, IDC_STATIC_DEC_BLUE, m_strDecBlue);
}

bool CHexConvDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_bInitialized = 1;
    return true;
}

std::string& CHexConvDlg::HexField(ColorChannel channel) {
    std::array<std::string*, 3> fields{&m_strHexRed, &m_strHexGreen, &m_strHexBlue};
    return *fields[IndexOf(channel)];
}

std::string& CHexConvDlg::DecField(ColorChannel channel) {
    std::array<std::string*, 3> fields{&m_strDecRed, &m_strDecGreen, &m_strDecBlue};
    return *fields[IndexOf(channel)];
}

// Writing the fields sends EN_CHANGE for each edit whose text changes; UpdateData's lockout keeps
// those notifications away from the handlers.
void CHexConvDlg::ShowAndRepaint() {
    UpdateData(false);
    InvalidateRect(SwatchRect(), true);
}

// The hexadecimal fields keep their text as typed; the code shows the other fields as typed too.
void CHexConvDlg::OnHexChanged(ColorChannel channel) {
    if (m_bInitialized == 0) return;
    if (!UpdateData(true)) return;
    DecField(channel) = DecimalDisplay(ParseHexChannel(HexField(channel)));
    m_strHtmlCode = RecomposeHtmlCode(channel, m_strHexRed, m_strHexGreen, m_strHexBlue);
    ShowAndRepaint();
}

// The code field keeps its text as typed; an incomplete code changes nothing.
void CHexConvDlg::OnChangeHtmlCode() {
    if (m_bInitialized == 0) return;
    if (!UpdateData(true)) return;
    const auto pairs = HtmlCodePairs(m_strHtmlCode);
    if (!pairs) return;
    for (const ColorChannel channel : kChannels) {
        const std::string_view pair = (*pairs)[IndexOf(channel)];
        HexField(channel) = HexFieldFromPair(pair);
        DecField(channel) = DecimalDisplay(ParseHexChannel(pair));
    }
    ShowAndRepaint();
}

// The decimal displays are the swatch's only source.
void CHexConvDlg::OnPaint() {
    CPaintDC dc(m_hWnd);
    PaintSwatch(dc, SwatchRect(), PackColor(LowByteOf(m_strDecRed), LowByteOf(m_strDecGreen), LowByteOf(m_strDecBlue)));
}

// The caller takes the three hexadecimal fields as the colour: a field that reads as no channel
// (a typed sign) is refused here, so that no value outside 0-255 ever leaves the dialog.
void CHexConvDlg::OnOK() {
    if (!UpdateData(true)) return;
    for (const ColorChannel channel : kChannels) {
        if (IsChannelValue(ParseHexChannel(HexField(channel)))) continue;
        MessageBox(LoadResString(IDS_HEX_CHANNEL_RANGE));
        const HWND field = GetDlgItem(kHexFieldIds[IndexOf(channel)]);
        ::SetFocus(field);
        ::SendMessageW(field, EM_SETSEL, 0, -1);
        return;
    }
    EndDialog(IDOK);
}
