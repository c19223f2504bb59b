#include "framework/CFormView.h"

#include "framework/CFrameWnd.h"

bool CFormView::Create(CFrameWnd& parent, UINT id, CDocument& document) {
    m_pDocument = &document;
    m_pFrame = &parent;
    m_bIsDialog = true;
    const HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), parent.m_hWnd,
                                           &CWnd::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (hWnd == nullptr) return false;
    ::SetWindowLongPtrA(hWnd, GWLP_ID, static_cast<LONG_PTR>(id));
    const RECT rect = GetWindowRect();
    m_totalSize = {rect.right - rect.left, rect.bottom - rect.top};
    ShowWindow(SW_SHOW);
    return true;
}

void CFormView::OnInitialUpdate() { UpdateData(false); }

bool CFormView::PreTranslateMessage(MSG& msg) {
    // The frame's accelerators come first: the dialog keys would eat them otherwise.
    if (m_pFrame != nullptr && m_pFrame->PreTranslateMessage(msg)) return true;
    return ::IsDialogMessageA(m_hWnd, &msg) != FALSE;
}

void CFormView::ResizeParentToFit(bool shrinkOnly) {
    const RECT view = GetWindowRect();
    const int dx = m_totalSize.cx - (view.right - view.left);
    const int dy = m_totalSize.cy - (view.bottom - view.top);
    if (shrinkOnly && dx >= 0 && dy >= 0) return;
    const RECT frame = m_pFrame->GetWindowRect();
    m_pFrame->SetWindowPos(nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
