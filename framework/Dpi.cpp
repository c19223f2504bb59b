#include "framework/Dpi.h"

#include "framework/CDC.h"

namespace {
int SystemDpi() {
    const CClientDC screen(nullptr);
    return ::GetDeviceCaps(screen.GetSafeHdc(), LOGPIXELSY);
}
}  // namespace

int WindowDpi(HWND window) {
    using Fn = UINT(WINAPI*)(HWND);
    static const auto forWindow = User32Function<Fn>("GetDpiForWindow");
    if (forWindow != nullptr && window != nullptr) {
        if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    using Fn = int(WINAPI*)(int, UINT);
    static const auto forDpi = User32Function<Fn>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) return forDpi(index, static_cast<UINT>(dpi));
    return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi());
}

std::optional<LOGFONTW> StatusFontForDpi(int dpi) {
    using Fn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = User32Function<Fn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (forDpi != nullptr) {
        if (forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi)) == FALSE) {
            return std::nullopt;
        }
        return metrics.lfStatusFont;
    }
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) == FALSE) return std::nullopt;
    metrics.lfStatusFont.lfHeight = ::MulDiv(metrics.lfStatusFont.lfHeight, dpi, SystemDpi());
    return metrics.lfStatusFont;
}
