#include "eyedropper/MagnifierMath.h"

namespace {

// The picture never shows the screen's last column or row: near the right or bottom edge it
// stops at screen - 2, the same limit the arrow keys keep to.
constexpr int kEdgeLimitFromSize = 2;

struct AxisSpan {
    int dst;
    int dstLength;
    int src;
    int srcLength;
};

// One axis of the stretch: the near edge first, then the far edge on what the near one left.
// Worked out from the screen's near edge (origin), where a monitor left of or above the primary
// puts it at a negative coordinate.
AxisSpan ClipAxis(int cursor, int origin, int screenSize, int zoom) {
    const int offset = cursor - origin;
    AxisSpan span{0, kMagnifierSourcePx * zoom, cursor - kMagnifierCursorCell, kMagnifierSourcePx};
    if (offset - kMagnifierCursorCell < 0) {
        const int missing = kMagnifierCursorCell - offset;
        span.dst = missing * zoom;
        span.dstLength -= missing * zoom;
        span.src = origin;
        span.srcLength = offset + kMagnifierSourcePx - kMagnifierCursorCell;
    }
    const int limit = screenSize - kEdgeLimitFromSize;
    if (offset + kMagnifierCursorCell > limit) {
        // Columns past the limit, counted from the full square's far side (cursor + 11).
        const int excess = offset + kMagnifierSourcePx - kMagnifierCursorCell - 1 - limit;
        span.dstLength -= excess * zoom;
        span.srcLength -= excess;
    }
    return span;
}

}  // namespace

MagnifierStretch ClipMagnifierSource(MagnifierPoint cursor, MagnifierBounds screen, int zoom) {
    const AxisSpan h = ClipAxis(cursor.x, screen.x, screen.width, zoom);
    const AxisSpan v = ClipAxis(cursor.y, screen.y, screen.height, zoom);
    return {h.dst, v.dst, h.dstLength, v.dstLength, h.src, v.src, h.srcLength, v.srcLength};
}

std::optional<MagnifierPoint> MagnifierMoveFor(MagnifierPoint cursor, MagnifierPoint current, MagnifierBounds monitor,
                                               int side) {
    const MagnifierPoint top{monitor.x, monitor.y};
    const MagnifierPoint bottom{monitor.x, monitor.y + monitor.height - side};
    // A magnifier left on another monitor (the cursor crossed over) starts again at this one's top.
    MagnifierPoint to = current == top || current == bottom ? current : top;
    // Both checks see the same cursor, the second on the first's outcome: on a screen too low for
    // two squares a cursor in both ends with the window at the top.
    const bool leftColumn = cursor.x < monitor.x + side;
    if (leftColumn && cursor.y < monitor.y + side) to = bottom;
    if (leftColumn && cursor.y > monitor.y + monitor.height - side) to = top;
    if (to == current) return std::nullopt;
    return to;
}

MagnifierPoint ArrowKeyCursor(ArrowKey key, MagnifierPoint cursor, MagnifierBounds screen) {
    const int xLimit = screen.x + screen.width - kEdgeLimitFromSize;
    const int yLimit = screen.y + screen.height - kEdgeLimitFromSize;
    switch (key) {
    // The first column and row are the near limits, which the system would keep to as well.
    case ArrowKey::Left: return cursor.x - 1 < screen.x ? cursor : MagnifierPoint{cursor.x - 1, cursor.y};
    case ArrowKey::Up: return cursor.y - 1 < screen.y ? cursor : MagnifierPoint{cursor.x, cursor.y - 1};
    case ArrowKey::Right: return cursor.x + 1 > xLimit ? cursor : MagnifierPoint{cursor.x + 1, cursor.y};
    case ArrowKey::Down: return cursor.y + 1 > yLimit ? cursor : MagnifierPoint{cursor.x, cursor.y + 1};
    }
    return cursor;
}

std::array<MagnifierLine, 4> CrossHairLines(int zoom) {
    const int side = kMagnifierSourcePx * zoom;
    const int before = kMagnifierCursorCell * zoom - 1;  // last picture column left of the block
    const int after = (kMagnifierCursorCell + 1) * zoom;  // first column right of it
    return {{
        {{before, 0}, {before, side}},
        {{after, 0}, {after, side}},
        {{0, before}, {side, before}},
        {{0, after}, {side, after}},
    }};
}
