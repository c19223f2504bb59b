#include "framework/CFormView.h"

#include "framework/CFrameWnd.h"

bool CFormView::Create(CFrameWnd& parent, UINT id, CDocument& document) {
    m_pDocument = &document;
    m_pFrame = &parent;
    m_bIsDialog = true;
    const HWND hWnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), parent.m_hWnd,
                                           &CWnd::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (hWnd == nullptr) return false;
    ::SetWindowLongPtrW(hWnd, GWLP_ID, static_cast<LONG_PTR>(id));
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

void CFormView::OnDpiChangedLayout() {
    // The template's size in the dialog units of the form's current (rescaled) font.
    if (const SIZE units = TemplateSizeInDialogUnits(); units.cx > 0 && units.cy > 0) {
        RECT size{0, 0, units.cx, units.cy};
        ::MapDialogRect(m_hWnd, &size);
        m_totalSize = {size.right, size.bottom};
        ResizeParentToFit(false);
    }
    Invalidate(false);
}

SIZE CFormView::TemplateSizeInDialogUnits() const {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
    const HGLOBAL loaded = resource != nullptr ? ::LoadResource(module, resource) : nullptr;
    const auto* bytes = static_cast<const BYTE*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    if (bytes == nullptr || ::SizeofResource(module, resource) < 26) return {};
    const auto word = [bytes](size_t offset) { return static_cast<LONG>(bytes[offset] | bytes[offset + 1] << 8); };
    // DLGTEMPLATEEX starts with version 1 and signature 0xFFFF; its cx and cy sit at bytes 22 and 24.
    if (word(0) != 1 || word(2) != 0xFFFF) return {};
    return {word(22), word(24)};
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
