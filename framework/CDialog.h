// A modal dialog from a template: constructed on the stack, DoModal() returns IDOK or IDCANCEL.
#pragma once

#include "framework/CWnd.h"

// The owner of a modal dialog: the parent given, else the main window's last active popup, so
// that nested dialogs own each other.
HWND ModalOwnerFor(const CWnd* pParent);

class CDialog : public CWnd {
public:
    // With no parent, the main window (or its last active popup, for nested dialogs) owns the dialog
    // and is disabled while it runs.
    explicit CDialog(UINT idTemplate, CWnd* pParent = nullptr) : m_nIDTemplate(idTemplate), m_pParentWnd(pParent) {}

    INT_PTR DoModal();
    void EndDialog(int result) const { ::EndDialog(m_hWnd, result); }

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    // Default: read the controls back; close with IDOK only when that succeeded.
    virtual void OnOK();
    virtual void OnCancel();

private:
    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }
    static const CCmdEntry s_entries[];
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
