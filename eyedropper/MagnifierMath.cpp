#include "eyedropper/MagnifierMath.h"

#include <algorithm>

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
                                               MagnifierSize size) {
    const MagnifierPoint top{monitor.x, monitor.y};
    const MagnifierPoint bottom{monitor.x, monitor.y + monitor.height - size.height};
    // A magnifier left on another monitor (the cursor crossed over) starts again at this one's top.
    MagnifierPoint to = current == top || current == bottom ? current : top;
    // Both checks see the same cursor, the second on the first's outcome: on a screen too low for
    // two windows a cursor in both ends with the window at the top.
    const bool leftColumn = cursor.x < monitor.x + size.width;
    if (leftColumn && cursor.y < monitor.y + size.height) to = bottom;
    if (leftColumn && cursor.y > monitor.y + monitor.height - size.height) to = top;
    if (to == current) return std::nullopt;
    return to;
}

namespace {
// A step that would pass the limit stops at it; a cursor already past it (the mouse may reach the
// screen's last column) stays where it is.
int StepTowards(int from, int step, int limit) {
    const int to = from + step;
    if (step < 0 && to < limit) return std::min(from, limit);
    if (step > 0 && to > limit) return std::max(from, limit);
    return to;
}
}  // namespace

MagnifierPoint ArrowKeyCursor(ArrowKey key, MagnifierPoint cursor, MagnifierBounds screen, int step) {
    const int xLimit = screen.x + screen.width - kEdgeLimitFromSize;
    const int yLimit = screen.y + screen.height - kEdgeLimitFromSize;
    switch (key) {
    // The first column and row are the near limits, which the system would keep to as well.
    case ArrowKey::Left: return {StepTowards(cursor.x, -step, screen.x), cursor.y};
    case ArrowKey::Up: return {cursor.x, StepTowards(cursor.y, -step, screen.y)};
    case ArrowKey::Right: return {StepTowards(cursor.x, step, xLimit), cursor.y};
    case ArrowKey::Down: return {cursor.x, StepTowards(cursor.y, step, yLimit)};
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

namespace {
constexpr int kBaseDpi = 96;
constexpr int kReadoutMarginAt96Dpi = 4;

int ScaledForDpi(int pixelsAt96, int dpi) { return (pixelsAt96 * dpi + kBaseDpi / 2) / kBaseDpi; }
}  // namespace

MagnifierLayout LayOutMagnifier(int pictureShown, int dpi, int lineHeight) {
    const int margin = ScaledForDpi(kReadoutMarginAt96Dpi, dpi);
    const int width = std::max(pictureShown, ScaledForDpi(pictureShown, dpi));
    const int inner = width - 2 * margin;
    MagnifierLayout layout{};
    layout.picture = {(width - pictureShown) / 2, 0, pictureShown, pictureShown};
    layout.swatch = {margin, pictureShown + margin, inner, lineHeight};
    layout.text = {margin, layout.swatch.y + lineHeight + margin, inner, kMagnifierTextLines * lineHeight};
    layout.position = {margin, layout.text.y + layout.text.height, inner, lineHeight};
    layout.status = {margin, layout.position.y + lineHeight, inner, lineHeight};
    layout.client = {width, layout.status.y + lineHeight + margin};
    return layout;
}
