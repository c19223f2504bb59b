#include "framework/CToolTipCtrl.h"

#include <commctrl.h>

#include "framework/WideText.h"

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd) != FALSE) ::DestroyWindow(m_hWnd);
}

bool CToolTipCtrl::Create(CWnd& owner, DWORD style) {
    m_hWndOwner = owner.m_hWnd;
    // The tooltip window has no owner window of its own (the tools still report to `owner`): Wine
    // places a frame made topmost below its owned topmost popups, so an owned tooltip would keep
    // the frame from staying on top. The tooltip is topmost anyway and destroyed with this object.
    const HWND hWnd = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                        ::GetModuleHandleW(nullptr), nullptr);
    if (hWnd == nullptr) return false;
    Attach(hWnd);
    return true;
}

void CToolTipCtrl::Activate(bool active) const { ::SendMessageW(m_hWnd, TTM_ACTIVATE, active ? TRUE : FALSE, 0); }

void CToolTipCtrl::Pop() const { ::SendMessageW(m_hWnd, TTM_POP, 0, 0); }

bool CToolTipCtrl::AddTool(HWND control, const std::string& text) const {
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND;
    info.hwnd = m_hWndOwner;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    std::wstring wide = WideFromCp932(text);
    info.lpszText = wide.data();  // the control copies the text
    return ::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

bool CToolTipCtrl::AddTool(HWND window, const std::string& text, const RECT& rect, UINT_PTR id) const {
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = window;
    info.uId = id;
    info.rect = rect;
    std::wstring wide = WideFromCp932(text);
    info.lpszText = wide.data();  // the control copies the text
    return ::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void CToolTipCtrl::UpdateTipText(const std::string& text, HWND window, UINT_PTR id) const {
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = window;
    info.uId = id;
    std::wstring wide = WideFromCp932(text);
    info.lpszText = wide.data();
    ::SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(MSG& msg) const {
    if (m_hWnd != nullptr) ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void CToolTipCtrl::SetToolRect(HWND window, UINT_PTR id, const RECT& rect) const {
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = window;
    info.uId = id;
    info.rect = rect;
    ::SendMessageW(m_hWnd, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}
