#include "framework/CDC.h"

#include <utility>

#include "framework/WideText.h"

CDC::~CDC() = default;

void CDC::Take(HDC dc) {
    m_hDC = dc;
    if (dc != nullptr) m_nSavedState = ::SaveDC(dc);
}

void CDC::RestoreState() {
    if (m_hDC != nullptr && m_nSavedState != 0) ::RestoreDC(m_hDC, m_nSavedState);
    m_nSavedState = 0;
}

CMemoryDC CDC::CreateCompatibleDC() const { return CMemoryDC(m_hDC); }

SIZE CDC::GetTextExtent(const std::string& text) const {
    SIZE size{};
    const std::wstring wide = WideFromCp932(text);
    ::GetTextExtentPoint32W(m_hDC, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

void CDC::TextOut(int x, int y, const std::string& text) const {
    const std::wstring wide = WideFromCp932(text);
    ::TextOutW(m_hDC, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) const {
    // ExtTextOut with an opaque rectangle fills without creating a brush.
    const COLORREF old = ::SetBkColor(m_hDC, color);
    const RECT rect{x, y, x + cx, y + cy};
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CPaintDC::CPaintDC(HWND hWnd) : m_hWnd(hWnd) { Take(::BeginPaint(hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
    RestoreState();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(HWND hWnd) : m_hWnd(hWnd) { Take(::GetDC(hWnd)); }

CClientDC::~CClientDC() {
    RestoreState();
    if (m_hDC != nullptr) ::ReleaseDC(m_hWnd, m_hDC);
}

CMemoryDC::CMemoryDC(HDC compatibleWith) { Take(::CreateCompatibleDC(compatibleWith)); }

CMemoryDC::CMemoryDC(CMemoryDC&& other) noexcept {
    // The saved state moves along with the DC.
    m_hDC = std::exchange(other.m_hDC, nullptr);
    if (m_hDC != nullptr) Take(m_hDC);
}

CMemoryDC::~CMemoryDC() {
    RestoreState();
    if (m_hDC != nullptr) ::DeleteDC(m_hDC);
}
