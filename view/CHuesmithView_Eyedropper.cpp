// The view's eyedropper command: the colour of any pixel of the screen becomes the current colour.
#include "catalogue/HsColor.h"
#include "eyedropper/CEyedropperDlg.h"
#include "view/CHuesmithView.h"

// The fields are not read first: the picked colour replaces them whatever they hold.
void CHuesmithView::OnEyedropper() {
    CEyedropperDlg dlg;
    if (dlg.DoModal() != IDOK) return;
    m_nRed = RedOf(dlg.m_color);
    m_nGreen = GreenOf(dlg.m_color);
    m_nBlue = BlueOf(dlg.m_color);
    SelectNearest();
    ApplyCurrentColor();
}
