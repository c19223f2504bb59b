// The view's eyedropper command: the colour of any pixel of the screen becomes the current colour.
#include "catalogue/CHuesmithDoc.h"
#include "catalogue/HsColor.h"
#include "eyedropper/CEyedropperDlg.h"
#include "framework/CHandle.h"
#include "view/CHuesmithView.h"

// The fields are not read first: the picked colour replaces them whatever they hold. A tip shown
// as the run starts would stay in the cover's copy of the screen all run long: it goes first, and
// none comes up while the run lasts.
void CHuesmithView::OnEyedropper() {
    m_tooltip.Pop();
    m_tooltip.Activate(false);
    const CScopeExit reactivate([this] { m_tooltip.Activate(true); });
    CEyedropperDlg dlg(*GetDocument());
    if (dlg.DoModal() == IDOK) ApplyChosenColor(dlg.m_color);
}
