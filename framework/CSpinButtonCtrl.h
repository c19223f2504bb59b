// An up-down control of a dialog, reached through its window. The dialog owns and destroys the
// window; this object only talks to it, so it may outlive the window without harm.
#pragma once

#include <windows.h>

class CDataExchange;

class CSpinButtonCtrl {
public:
    // Attaches to the dialog's control with this id; a second call is a no-op.
    void Attach(HWND dialog, int id);
    bool IsAttached() const { return m_hWnd != nullptr; }

    void SetRange(int lower, int upper) const;
    void GetRange(int& lower, int& upper) const;

    HWND m_hWnd = nullptr;
};

// Attaches the member to its control before the fields around it are exchanged.
void DDX_Control(CDataExchange& dx, int id, CSpinButtonCtrl& control);
