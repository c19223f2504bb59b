// The DPI a window is shown at. The program declares itself per-monitor DPI aware, so this is the
// DPI of the monitor the window is on.
#pragma once

#include <windows.h>

int WindowDpi(HWND window);
