#include "framework/CStatusBar.h"

#include <commctrl.h>

#include "framework/AppText.h"
#include "framework/WideText.h"

namespace {
constexpr DWORD kBottomAlign = 0x8000;  // the frame's "bar at the bottom" bit; the control needs none of it
}

bool CStatusBar::Create(CWnd& parent, DWORD style, UINT id) {
    const DWORD windowStyle = (style & ~kBottomAlign) | WS_CHILD | CCS_BOTTOM;
    const HWND hWnd = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", windowStyle, 0, 0, 0, 0, parent.m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                        ::GetModuleHandleW(nullptr), nullptr);
    if (hWnd == nullptr) return false;
    Attach(hWnd);
    SetPaneText(LoadResString(AFX_IDS_IDLEMESSAGE));
    return true;
}

bool CStatusBar::SetIndicators(const UINT* ids, int count) {
    if (count != 1 || ids[0] != ID_SEPARATOR) return false;
    const int rightEdges[] = {-1};
    return ::SendMessageW(m_hWnd, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges)) != FALSE;
}

void CStatusBar::SetPaneText(const std::string& text) {
    const std::wstring wide = WideFromCp932(text);
    ::SendMessageW(m_hWnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

int CStatusBar::GetHeight() const {
    const RECT rect = GetClientRect();
    return rect.bottom - rect.top;
}
