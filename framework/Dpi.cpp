#include "framework/Dpi.h"

#include "framework/CDC.h"

namespace {
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// GetDpiForWindow came with Windows 10 1607: looked up, so the program still starts where it is
// missing and then uses the system DPI.
GetDpiForWindowFn DpiForWindowFunction() {
    static const auto function = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return function;
}
}  // namespace

int WindowDpi(HWND window) {
    if (const auto dpiForWindow = DpiForWindowFunction(); dpiForWindow && window) {
        if (const UINT dpi = dpiForWindow(window)) return static_cast<int>(dpi);
    }
    const CClientDC screen(nullptr);
    return ::GetDeviceCaps(screen.GetSafeHdc(), LOGPIXELSY);
}
