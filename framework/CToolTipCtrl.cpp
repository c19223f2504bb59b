#include "framework/CToolTipCtrl.h"

#include <commctrl.h>

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd) != FALSE) ::DestroyWindow(m_hWnd);
}

bool CToolTipCtrl::Create(CWnd& owner, DWORD style) {
    m_hWndOwner = owner.m_hWnd;
    const HWND hWnd = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner.m_hWnd, nullptr,
                                        ::GetModuleHandleA(nullptr), nullptr);
    if (hWnd == nullptr) return false;
    Attach(hWnd);
    return true;
}

void CToolTipCtrl::Activate(bool active) const { ::SendMessageA(m_hWnd, TTM_ACTIVATE, active ? TRUE : FALSE, 0); }

bool CToolTipCtrl::AddTool(HWND control, const std::string& text) const {
    TTTOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND;
    info.hwnd = m_hWndOwner;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<char*>(text.c_str());  // the control copies the text
    return ::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void CToolTipCtrl::RelayEvent(MSG& msg) const {
    if (m_hWnd != nullptr) ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}
