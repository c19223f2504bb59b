// Where the main frame goes when it is restored from the settings file. Pure, so that it is tested
// natively without monitors.
#pragma once

#include <span>

struct PlacementRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct MonitorArea {
    PlacementRect monitor;  // the whole monitor, screen coordinates
    PlacementRect work;     // its work area (without taskbars), screen coordinates
};

struct PlacementPoint {
    int x = 0;
    int y = 0;
};

// The saved Left/Top are the restored rectangle of the window placement, which is in workspace
// coordinates (relative to the work area, so a taskbar at the top or left shifts them). Returns
// the screen position for a frame of the given size: the saved position converted to screen
// coordinates, or, when the frame would then lie entirely outside every monitor, a position on
// the nearest monitor's work area. monitors[0] is the primary monitor; an empty list keeps the
// saved position.
PlacementPoint RestoredFramePosition(PlacementPoint saved, int width, int height,
                                     std::span<const MonitorArea> monitors);
