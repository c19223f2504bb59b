#include "framework/CFormView.h"

#include "framework/CFrameWnd.h"
#include "framework/Dpi.h"

bool CFormView::Create(CFrameWnd& parent, UINT id, CDocument& document) {
    m_pDocument = &document;
    m_pFrame = &parent;
    m_bIsDialog = true;
    const HWND hWnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), parent.m_hWnd,
                                           &CWnd::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (hWnd == nullptr) return false;
    ::SetWindowLongPtrW(hWnd, GWLP_ID, static_cast<LONG_PTR>(id));
    // The form lays itself out for a new scale (OnDpiChangedLayout): Windows is told to leave it,
    // unless the form cannot (its controls do not pair up with the template's).
    using SetBehaviourFn = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    const auto setBehaviour = User32Function<SetBehaviourFn>("SetDialogDpiChangeBehavior");
    if (m_layout.Capture(hWnd, m_nIDTemplate) && setBehaviour != nullptr) {
        setBehaviour(hWnd, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
    }
    const RECT rect = GetWindowRect();
    m_totalSize = {rect.right - rect.left, rect.bottom - rect.top};
    ShowWindow(SW_SHOW);
    return true;
}

void CFormView::OnInitialUpdate() { UpdateData(false); }

void CFormView::RememberFocus() {
    if (const HWND focus = ::GetFocus(); focus != nullptr && ::IsChild(m_hWnd, focus) != FALSE) m_hWndFocus = focus;
}

void CFormView::OnActivateView(bool activate) {
    const HWND focus = ::GetFocus();
    if (!activate) {
        RememberFocus();
        return;
    }
    // Already inside the form: the focus stays where it is.
    if (focus != nullptr && ::IsChild(m_hWnd, focus) != FALSE) return;
    const bool usable = m_hWndFocus != nullptr && ::IsChild(m_hWnd, m_hWndFocus) != FALSE &&
                        ::IsWindowVisible(m_hWndFocus) != FALSE && ::IsWindowEnabled(m_hWndFocus) != FALSE;
    const HWND target = usable ? m_hWndFocus : ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (target != nullptr) ::SetFocus(target);
}

// Laid out again from the template at the new scale, and the frame fitted around it.
void CFormView::OnDpiChangedLayout(UINT dpi) {
    if (const SIZE size = m_layout.Apply(m_hWnd, static_cast<int>(dpi)); size.cx > 0 && size.cy > 0) {
        m_totalSize = size;
        ResizeParentToFit(false);
    }
    Invalidate(false);
}

bool CFormView::PreTranslateMessage(MSG& msg) {
    // The frame's accelerators come first: the dialog keys would eat them otherwise.
    if (m_pFrame != nullptr && m_pFrame->PreTranslateMessage(msg)) return true;
    const bool handled = ::IsDialogMessageW(m_hWnd, &msg) != FALSE;
    // Noted as the user works in the form: by the time the frame is told it lost activation, the
    // focus may be gone already.
    RememberFocus();
    return handled;
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
