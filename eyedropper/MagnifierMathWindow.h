// The screen's rectangles for the magnifier's arithmetic, as Windows reports them now (Windows only).
#pragma once

#include <windows.h>

#include <vector>

#include "eyedropper/MagnifierMath.h"

// Every monitor together.
MagnifierBounds VirtualScreenBounds();
// The whole monitor under the point, or the nearest one.
MagnifierBounds MonitorBoundsAt(POINT point);
// Each monitor's whole rectangle.
std::vector<MagnifierBounds> AllMonitorBounds();
