#include "tests/e2e/DriverWindow.h"

#include <stdexcept>

namespace e2e {
namespace {

constexpr wchar_t kClassName[] = L"HuesmithE2EDriverWindow";

void RegisterOnce() {
    static const ATOM s_class = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        return ::RegisterClassW(&wc);
    }();
    if (!s_class) throw std::runtime_error("cannot register the driver's window class");
}

}  // namespace

DriverWindow::DriverWindow() {
    RegisterOnce();
    m_window.Attach(::CreateWindowExW(0, kClassName, L"Huesmith e2e driver",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 500, 300, 200, nullptr,
                                      nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (!m_window) throw std::runtime_error("cannot create the driver's window");
}

}  // namespace e2e
