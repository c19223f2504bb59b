#include "framework/CSpinButtonCtrl.h"

#include <commctrl.h>

#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

void CSpinButtonCtrl::Attach(HWND dialog, int id) {
    if (m_hWnd == nullptr) m_hWnd = ::GetDlgItem(dialog, id);
}

// The 32-bit messages: UDM_SETRANGE packs both ends into 16-bit halves of one LPARAM.
void CSpinButtonCtrl::SetRange(int lower, int upper) const {
    ::SendMessageW(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
    ::SendMessageW(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

void DDX_Control(CDataExchange& dx, int id, CSpinButtonCtrl& control) {
    control.Attach(dx.m_pDlgWnd->m_hWnd, id);
}
