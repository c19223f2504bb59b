#include "framework/CView.h"

#include "framework/CDC.h"

void CView::OnPaint() {
    CPaintDC dc(m_hWnd);
    OnDraw(&dc);
}
