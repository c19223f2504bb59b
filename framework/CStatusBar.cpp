#include "framework/CStatusBar.h"

#include <commctrl.h>

#include "framework/AppText.h"
#include "framework/Dpi.h"
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
    SetFontForDpi(WindowDpi(parent.m_hWnd));
    SetPaneText(LoadResString(AFX_IDS_IDLEMESSAGE));
    return true;
}

void CStatusBar::SetFontForDpi(int dpi) {
    const std::optional<LOGFONTW> face = StatusFontForDpi(dpi);
    CFont font;
    if (!face || !font.CreateFontIndirect(*face)) return;
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    // A status bar sizes itself to its font when its parent next lays it out (WM_SIZE).
    ::SendMessageW(m_hWnd, WM_SIZE, 0, 0);
    m_font = std::move(font);
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
