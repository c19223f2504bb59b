#include "framework/CToolTipCtrl.h"

#include <commctrl.h>

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd) != FALSE) ::DestroyWindow(m_hWnd);
}

bool CToolTipCtrl::Create(CWnd& owner, DWORD style) {
    m_hWndOwner = owner.m_hWnd;
    // The tooltip window has no owner window of its own (the tools still report to `owner`): Wine
    // places a frame made topmost below its owned topmost popups, so an owned tooltip would keep
    // the frame from staying on top. The tooltip is topmost anyway and destroyed with this object.
    const HWND hWnd = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
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

bool CToolTipCtrl::AddTool(HWND window, const std::string& text, const RECT& rect, UINT_PTR id) const {
    TTTOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.hwnd = window;
    info.uId = id;
    info.rect = rect;
    info.lpszText = const_cast<char*>(text.c_str());  // the control copies the text
    return ::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void CToolTipCtrl::UpdateTipText(const std::string& text, HWND window, UINT_PTR id) const {
    TTTOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.hwnd = window;
    info.uId = id;
    info.lpszText = const_cast<char*>(text.c_str());
    ::SendMessageA(m_hWnd, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(MSG& msg) const {
    if (m_hWnd != nullptr) ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}
