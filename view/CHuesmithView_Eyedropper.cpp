// The view's eyedropper command: the colour of any pixel of the screen becomes the current colour.
#include "catalogue/HsColor.h"
#include "eyedropper/CEyedropperDlg.h"
#include "view/CHuesmithView.h"

// The fields are not read first: the picked colour replaces them whatever they hold.
void CHuesmithView::OnEyedropper() {
    CEyedropperDlg dlg;
    if (dlg.DoModal() == IDOK) ApplyChosenColor(dlg.m_color);
}
