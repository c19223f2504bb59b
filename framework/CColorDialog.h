// The platform's colour dialog, run modally: constructed with the initial colour, DoModal() returns
// IDOK or IDCANCEL, GetColor() gives the chosen colour after IDOK.
#pragma once

#include <windows.h>

#include <commdlg.h>

class CWnd;

class CColorDialog {
public:
    // With no parent, the main window (or its last active popup) owns the dialog.
    explicit CColorDialog(COLORREF clrInit = 0, DWORD flags = 0, CWnd* pParent = nullptr);

    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORW m_cc{};

private:
    CWnd* m_pParentWnd;
};
