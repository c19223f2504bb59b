// The view's colour commands: copy and paste the current colour as a code, the inverse colour, the
// platform's colour dialog, the options and the help.
#include <optional>
#include <string>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/ColorClipboardText.h"
#include "catalogue/HsColor.h"
#include "catalogue/PreviewStripWindow.h"
#include "dialogs/CContrastDlg.h"
#include "dialogs/COptionDlg.h"
#include "framework/AppText.h"
#include "framework/CColorDialog.h"
#include "framework/Clipboard.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "view/CHuesmithView.h"

namespace {
constexpr DWORD kHelpContentsContext = 1;
}  // namespace

// A failure (the clipboard held by another program for long, no memory) is reported: a user who
// pastes elsewhere would otherwise get an older colour.
void CHuesmithView::OnEditCopy() {
    UpdateData(true);
    const CHuesmithDoc& doc = *GetDocument();
    if (!WriteClipboardText(m_hWnd, FormatClipboardCode(doc.m_strCopyPrefix, doc.m_bLowerCase != 0,
                                                        PackColor(m_nRed, m_nGreen, m_nBlue)))) {
        AfxMessageBox(IDS_CLIPBOARD_NOT_COPIED);
    }
}

void CHuesmithView::OnEditPaste() {
    const std::optional<std::string> text = ReadClipboardText();
    if (!text) return;
    const std::optional<ChannelValues> values = ParseClipboardCode(*text);
    if (!values) return;
    m_nRed = static_cast<short>(values->red);
    m_nGreen = static_cast<short>(values->green);
    m_nBlue = static_cast<short>(values->blue);
    SelectNearest();
    ApplyCurrentColor();
}

// The other target takes the catalogue colour farthest from the current one. When no entry is
// farther than 0 (an empty catalogue, or every entry the current colour) nothing is chosen: the
// whole catalogue stays listed with nothing selected, and the target and the colours stay as they
// were.
void CHuesmithView::OnInverse() {
    UpdateData(true);
    OnViewAll();
    int farthest = CHuesmithDoc::kNoPosition;
    {
        CWaitCursor wait;
        farthest = GetDocument()->FindFarthest(m_nRed, m_nGreen, m_nBlue);
    }
    SendDlgItemMessage(IDC_COMBO_NAME, CB_SETCURSEL, static_cast<WPARAM>(farthest), 0);
    if (farthest == CHuesmithDoc::kNoPosition) return;
    // Switched before the selection is applied: the radio buttons follow in ApplyCurrentColor.
    m_nColorTarget = m_nColorTarget == 0 ? 1 : 0;
    OnSelchangeComboName();
}

void CHuesmithView::OnColorDialog() {
    UpdateData(true);
    CColorDialog dlg(RGB(m_nRed, m_nGreen, m_nBlue), CC_FULLOPEN);
    if (dlg.DoModal() == IDOK) ApplyChosenColor(dlg.GetColor());
}

void CHuesmithView::ApplyChosenColor(HsColor color) {
    m_nRed = RedOf(color);
    m_nGreen = GreenOf(color);
    m_nBlue = BlueOf(color);
    SelectNearest();
    ApplyCurrentColor();
}

// The pair as the strip shows it. After OK, a colour taken from the screen for the colour not
// adjusted goes to the strip as it is; the colour the radio buttons point at takes the proposal,
// or else the colour taken from the screen for it, as a colour chosen in the colour dialog is.
void CHuesmithView::OnContrast() {
    UpdateData(true);
    CHuesmithDoc& doc = *GetDocument();
    const bool adjustingText = m_nColorTarget == 1;
    CContrastDlg dlg;
    dlg.m_pDoc = &doc;
    dlg.m_crBack = doc.GetBackColor();
    dlg.m_crText = doc.GetTextColor();
    dlg.m_bAdjustingText = adjustingText;
    dlg.m_strPreview = doc.m_strPreview;
    const HsColor adjusted = adjustingText ? dlg.m_crText : dlg.m_crBack;
    if (dlg.DoModal() != IDOK) return;
    if (adjustingText) {
        doc.SetBackColor(dlg.m_crBack);
    } else {
        doc.SetTextColor(dlg.m_crText);
    }
    InvalidateRect(PreviewRectOf(m_hWnd), false);
    const HsColor picked = adjustingText ? dlg.m_crText : dlg.m_crBack;
    if (dlg.m_proposal) {
        ApplyChosenColor(*dlg.m_proposal);
    } else if (picked != adjusted) {
        ApplyChosenColor(picked);
    }
}

// The strip is repainted after cancel too, so that it always shows the document's preview text.
void CHuesmithView::OnOption() {
    CHuesmithDoc& doc = *GetDocument();
    COptionDlg dlg;
    dlg.m_strPreview = doc.m_strPreview;
    dlg.m_strCopyPrefix = doc.m_strCopyPrefix;
    dlg.m_nCase = doc.m_bLowerCase;
    if (dlg.DoModal() == IDOK) {
        doc.m_strPreview = dlg.m_strPreview;
        doc.m_strCopyPrefix = dlg.m_strCopyPrefix;
        doc.m_bLowerCase = dlg.m_nCase;
    }
    InvalidateRect(PreviewRectOf(m_hWnd), false);
}

void CHuesmithView::OnHelpContents() { AfxGetApp()->WinHelp(kHelpContentsContext, HELP_CONTEXT); }
