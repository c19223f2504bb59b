// A view built from a dialog template: a child modeless dialog that fills the frame.
#pragma once

#include "framework/CDialogLayout.h"
#include "framework/CView.h"

class CFormView : public CView {
public:
    explicit CFormView(UINT idTemplate) : m_nIDTemplate(idTemplate) {}

    bool Create(CFrameWnd& parent, UINT id, CDocument& document) override;
    void OnInitialUpdate() override;
    bool PreTranslateMessage(MSG& msg) override;

    // The form's size in pixels, as the template lays it out.
    SIZE GetTotalSize() const { return m_totalSize; }
    // Grows or shrinks the frame so that the view shows the whole form.
    void ResizeParentToFit(bool shrinkOnly);
    void OnDpiChangedLayout(UINT dpi) override;
    SIZE LayoutSizeAt(UINT dpi) const override { return m_layout.SizeAt(m_hWnd, static_cast<int>(dpi)); }
    // Remembers the control that has the focus when the frame loses activation, and gives the
    // focus back to it (or to the form's first control) when the frame has it again.
    void OnActivateView(bool activate) override;

protected:
    void OnDraw(CDC*) override {}

private:
    void RememberFocus();

    UINT m_nIDTemplate;
    SIZE m_totalSize{};
    CDialogLayout m_layout;
    HWND m_hWndFocus = nullptr;  // the control that had the focus last
};
