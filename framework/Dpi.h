// The DPI a window is shown at. The program declares itself per-monitor DPI aware, so this is the
// DPI of the monitor the window is on.
#pragma once

#include <windows.h>

#include <optional>

// A user32 function that newer Windows versions have (most of those "for a DPI" came with Windows
// 10 1607): looked up, so that the program still starts where it is missing; null then.
template <class Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

int WindowDpi(HWND window);

// A system metric (an icon's size, a scroll bar's width) at the DPI.
int SystemMetricForDpi(int index, int dpi);
// The status bars' font at the DPI, as the user set it; none when it cannot be had.
std::optional<LOGFONTW> StatusFontForDpi(int dpi);
