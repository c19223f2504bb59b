// The DPI a window is shown at. The program declares itself per-monitor DPI aware, so this is the
// DPI of the monitor the window is on.
#pragma once

#include <windows.h>

#include <optional>

int WindowDpi(HWND window);

// A system metric (an icon's size, a scroll bar's width) at the DPI.
int SystemMetricForDpi(int index, int dpi);
// The status bars' font at the DPI, as the user set it; none when it cannot be had.
std::optional<LOGFONTW> StatusFontForDpi(int dpi);
