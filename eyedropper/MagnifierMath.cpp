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
AxisSpan ClipAxis(int cursor, int screenSize, int zoom) {
    AxisSpan span{0, kMagnifierSourcePx * zoom, cursor - kMagnifierCursorCell, kMagnifierSourcePx};
    if (cursor - kMagnifierCursorCell < 0) {
        const int missing = kMagnifierCursorCell - cursor;
        span.dst = missing * zoom;
        span.dstLength -= missing * zoom;
        span.src = 0;
        span.srcLength = cursor + kMagnifierSourcePx - kMagnifierCursorCell;
    }
    const int limit = screenSize - kEdgeLimitFromSize;
    if (cursor + kMagnifierCursorCell > limit) {
        // Columns past the limit, counted from the full square's far side (cursor + 11).
        const int excess = cursor + kMagnifierSourcePx - kMagnifierCursorCell - 1 - limit;
        span.dstLength -= excess * zoom;
        span.srcLength -= excess;
    }
    return span;
}

}  // namespace

MagnifierStretch ClipMagnifierSource(MagnifierPoint cursor, int screenWidth, int screenHeight, int zoom) {
    const AxisSpan h = ClipAxis(cursor.x, screenWidth, zoom);
    const AxisSpan v = ClipAxis(cursor.y, screenHeight, zoom);
    return {h.dst, v.dst, h.dstLength, v.dstLength, h.src, v.src, h.srcLength, v.srcLength};
}

std::optional<MagnifierPoint> MagnifierMoveFor(MagnifierPoint cursor, int screenHeight, int side) {
    // Both checks see the same cursor, the second on the first's outcome: on a screen too low for
    // two squares a cursor in both ends with the window at the top.
    std::optional<MagnifierPoint> move;
    if (cursor.x < side && cursor.y < side) move = MagnifierPoint{0, screenHeight - side};
    if (cursor.x < side && cursor.y > screenHeight - side) move = MagnifierPoint{0, 0};
    return move;
}

MagnifierPoint ArrowKeyCursor(ArrowKey key, MagnifierPoint cursor, int screenWidth, int screenHeight) {
    const int xLimit = screenWidth - kEdgeLimitFromSize;
    const int yLimit = screenHeight - kEdgeLimitFromSize;
    switch (key) {
    // The system itself keeps the cursor from going past the left and top edges.
    case ArrowKey::Left: return {cursor.x - 1, cursor.y};
    case ArrowKey::Up: return {cursor.x, cursor.y - 1};
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
