#include "tests/e2e/PatternWindow.h"

#include <stdexcept>

#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

constexpr wchar_t kClassName[] = L"HuesmithE2EPatternWindow";
// 23 steps: 22 neighbouring columns (or rows) never repeat a value.
constexpr int kSteps = 23;
constexpr int kStepSize = 8;
constexpr int kBase = 32;

void RegisterOnce(WNDPROC proc) {
    static const ATOM s_class = [proc] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        return ::RegisterClassW(&wc);
    }();
    if (!s_class) throw std::runtime_error("cannot register the pattern window's class");
}

BITMAPINFO TopDownBits(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

COLORREF PatternWindow::ColourAt(POINT screen) {
    const auto red = static_cast<BYTE>(kBase + (screen.x % kSteps) * kStepSize);
    const auto green = static_cast<BYTE>(kBase + (screen.y % kSteps) * kStepSize);
    const auto blue = static_cast<BYTE>(kBase + ((screen.x + screen.y) % kSteps) * kStepSize);
    return RGB(red, green, blue);
}

PatternWindow::PatternWindow(const RECT& screenRect) : m_rect(screenRect) {
    RegisterOnce(&PatternWindow::WindowProc);
    for (LONG y = m_rect.top; y < m_rect.bottom; ++y) {
        for (LONG x = m_rect.left; x < m_rect.right; ++x) {
            const COLORREF c = ColourAt({x, y});
            m_bits.push_back(static_cast<DWORD>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c));
        }
    }
    m_window.Attach(::CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kClassName, L"",
                                      WS_POPUP, m_rect.left, m_rect.top, Width(m_rect), Height(m_rect),
                                      nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (!m_window) throw std::runtime_error("cannot create the pattern window");
    ::SetWindowLongPtrW(m_window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::ShowWindow(m_window.Get(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(m_window.Get());
    const RECT probe{m_rect.left, m_rect.top, m_rect.left + 1, m_rect.top + 1};
    if (!WaitFor([&] { return ScreenPixels(probe).front() == ColourAt({m_rect.left, m_rect.top}); })) {
        throw std::runtime_error("the pattern window does not show on the screen");
    }
}

LRESULT CALLBACK PatternWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* self = reinterpret_cast<const PatternWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_ERASEBKGND && self != nullptr) return TRUE;
    if (message == WM_PAINT && self != nullptr) {
        self->Paint();
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void PatternWindow::Paint() const {
    PAINTSTRUCT ps;
    const HDC dc = ::BeginPaint(m_window.Get(), &ps);
    const BITMAPINFO info = TopDownBits(Width(m_rect), Height(m_rect));
    ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(Width(m_rect)), static_cast<DWORD>(Height(m_rect)), 0, 0, 0,
                        static_cast<UINT>(Height(m_rect)), m_bits.data(), &info, DIB_RGB_COLORS);
    ::EndPaint(m_window.Get(), &ps);
}

std::vector<COLORREF> ScreenPixels(const RECT& screenRect) {
    const int width = Width(screenRect);
    const int height = Height(screenRect);
    const HDC screen = ::GetDC(nullptr);
    const CScopeExit releaseScreen([screen] { ::ReleaseDC(nullptr, screen); });
    BITMAPINFO info = TopDownBits(width, height);
    void* bits = nullptr;
    // Declared before the DC that selects it, so that it is deleted after the DC.
    const CHandle<HBITMAP, &::DeleteObject> bitmap(::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const CHandle<HDC, &::DeleteDC> memory(::CreateCompatibleDC(screen));
    if (!bitmap || !memory) throw std::runtime_error("cannot read the screen");
    ::SelectObject(memory.Get(), bitmap.Get());
    ::BitBlt(memory.Get(), 0, 0, width, height, screen, screenRect.left, screenRect.top, SRCCOPY);
    ::GdiFlush();
    std::vector<COLORREF> pixels;
    const auto* pixel = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        pixels.push_back(RGB((pixel[i] >> 16) & 0xFF, (pixel[i] >> 8) & 0xFF, pixel[i] & 0xFF));
    }
    return pixels;
}

}  // namespace e2e
