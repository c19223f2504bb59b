// The view's hex conversion command: the current colour goes to the dialog as texts, and the three
// hexadecimal fields come back as the new current colour.
#include "catalogue/ColorCode.h"
#include "dialogs/CHexConvDlg.h"
#include "view/CHuesmithView.h"

void CHuesmithView::OnHexConvert() {
    CHexConvDlg dlg;
    UpdateData(true);
    dlg.m_strHexRed = FormatHexChannel(m_nRed);
    dlg.m_strHexGreen = FormatHexChannel(m_nGreen);
    dlg.m_strHexBlue = FormatHexChannel(m_nBlue);
    dlg.m_strHtmlCode = FormatHtmlCode(m_nRed, m_nGreen, m_nBlue);
    dlg.m_strDecRed = std::to_string(m_nRed);
    dlg.m_strDecGreen = std::to_string(m_nGreen);
    dlg.m_strDecBlue = std::to_string(m_nBlue);
    if (dlg.DoModal() != IDOK) return;

    // The dialog refuses a field that reads as no channel, so each value is in 0-255 here; the
    // check only keeps a fault of the dialog from reaching the document.
    const ChannelValues values{ParseHexChannel(dlg.m_strHexRed), ParseHexChannel(dlg.m_strHexGreen),
                               ParseHexChannel(dlg.m_strHexBlue)};
    if (!AreChannelValues(values)) return;
    m_nRed = static_cast<short>(values.red);
    m_nGreen = static_cast<short>(values.green);
    m_nBlue = static_cast<short>(values.blue);
    SelectNearest();
    ApplyCurrentColor();
}
