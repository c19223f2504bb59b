#include "eyedropper/MagnifierMathWindow.h"

// SM_CXSCREEN and SM_CYSCREEN are the primary monitor's alone: the cursor, the cover and the
// screen's device context span all of them, from an origin left of or above the primary's when a
// monitor lies there.
MagnifierBounds VirtualScreenBounds() {
    return {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
            ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

namespace {
MagnifierBounds BoundsOf(const RECT& whole) {
    return {whole.left, whole.top, whole.right - whole.left, whole.bottom - whole.top};
}

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT whole, LPARAM lParam) {
    reinterpret_cast<std::vector<MagnifierBounds>*>(lParam)->push_back(BoundsOf(*whole));
    return TRUE;
}
}  // namespace

std::vector<MagnifierBounds> AllMonitorBounds() {
    std::vector<MagnifierBounds> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

// The monitor's full rectangle, not its work area: the magnifier's corners have always been the
// screen's own, over the taskbar (it is topmost).
MagnifierBounds MonitorBoundsAt(POINT point) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info) == FALSE) {
        return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};  // the primary
    }
    return BoundsOf(info.rcMonitor);
}
