// A view: the child window that fills the frame and shows the document.
#pragma once

#include "framework/CWnd.h"

class CDC;
class CDocument;
class CFrameWnd;

class CView : public CWnd {
public:
    // Creates the view's window as child `id` of the frame.
    virtual bool Create(CFrameWnd& parent, UINT id, CDocument& document) = 0;
    virtual void OnInitialUpdate() {}
    virtual void OnDraw(CDC* pDC) = 0;
    // The frame moved to a monitor of another DPI and took its suggested size.
    virtual void OnDpiChangedLayout(UINT) { Invalidate(false); }
    // The view's size once laid out at the DPI; {0, 0} when it follows the frame instead.
    virtual SIZE LayoutSizeAt(UINT) const { return {}; }
    // The frame is being activated (the view takes the keyboard focus) or deactivated.
    virtual void OnActivateView(bool activate) { (void)activate; }

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const { return m_pFrame; }

protected:
    void OnPaint() override;

    CDocument* m_pDocument = nullptr;
    CFrameWnd* m_pFrame = nullptr;
};
