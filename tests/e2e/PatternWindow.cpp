#include "tests/e2e/PatternWindow.h"

#include <stdexcept>

#include "tests/e2e/Desktop.h"

namespace e2e {
namespace {

constexpr wchar_t kClassName[] = L"HuesmithE2EPatternWindow";
constexpr int kSteps = 23;  // 22 neighbouring columns (or rows) never repeat a value
constexpr int kStepSize = 8;
constexpr int kBase = 32;

}  // namespace

COLORREF PatternWindow::ColourAt(POINT screen) {
    return RGB(kBase + (screen.x % kSteps) * kStepSize, kBase + (screen.y % kSteps) * kStepSize,
               kBase + ((screen.x + screen.y) % kSteps) * kStepSize);
}

PatternWindow::PatternWindow(const RECT& screenRect, bool takeForeground) : m_rect(screenRect) {
    static const ATOM s_class = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &PatternWindow::WindowProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        return ::RegisterClassW(&wc);
    }();
    for (LONG y = m_rect.top; y < m_rect.bottom; ++y) {
        for (LONG x = m_rect.left; x < m_rect.right; ++x) {
            const COLORREF c = ColourAt({x, y});
            m_bits.push_back(static_cast<DWORD>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c));
        }
    }
    m_window.Attach(::CreateWindowExW(takeForeground ? 0 : WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kClassName, L"",
                                      WS_POPUP, m_rect.left, m_rect.top, Width(m_rect), Height(m_rect), nullptr,
                                      nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (!s_class || !m_window) throw std::runtime_error("cannot create the pattern window");
    ::SetWindowLongPtrW(m_window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::ShowWindow(m_window.Get(), takeForeground ? SW_SHOW : SW_SHOWNOACTIVATE);
    if (takeForeground && !MakeForeground(m_window.Get())) throw std::runtime_error("the pattern takes no foreground");
    const POINT corner{m_rect.left, m_rect.top};
    if (!WaitFor([&] { return Pixels(nullptr, {corner.x, corner.y, corner.x + 1, corner.y + 1})[0] == ColourAt(corner); })) {
        throw std::runtime_error("the pattern window does not show on the screen");
    }
}

LRESULT CALLBACK PatternWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* self = reinterpret_cast<const PatternWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || (message != WM_PAINT && message != WM_ERASEBKGND)) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_ERASEBKGND) return TRUE;
    PAINTSTRUCT ps;
    const HDC dc = ::BeginPaint(window, &ps);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), Width(self->m_rect), -Height(self->m_rect), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(Width(self->m_rect)), static_cast<DWORD>(Height(self->m_rect)), 0,
                        0, 0, static_cast<UINT>(Height(self->m_rect)), self->m_bits.data(), &info, DIB_RGB_COLORS);
    ::EndPaint(window, &ps);
    return 0;
}

}  // namespace e2e
