#include "app/FramePlacement.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {
std::int64_t OverlapArea(const PlacementRect& a, const PlacementRect& b) {
    const std::int64_t w = std::min<std::int64_t>(a.right, b.right) - std::max<std::int64_t>(a.left, b.left);
    const std::int64_t h = std::min<std::int64_t>(a.bottom, b.bottom) - std::max<std::int64_t>(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// Squared distance between two rectangles (0 when they touch or overlap).
std::int64_t DistanceSquared(const PlacementRect& a, const PlacementRect& b) {
    const std::int64_t dx = std::max<std::int64_t>({0, std::int64_t{b.left} - a.right, std::int64_t{a.left} - b.right});
    const std::int64_t dy = std::max<std::int64_t>({0, std::int64_t{b.top} - a.bottom, std::int64_t{a.top} - b.bottom});
    return dx * dx + dy * dy;
}

PlacementRect FrameAt(PlacementPoint origin, int width, int height) {
    return {origin.x, origin.y, origin.x + width, origin.y + height};
}

// Workspace coordinates differ from screen coordinates by the offset of the work area within its
// monitor.
PlacementPoint ToScreen(PlacementPoint saved, const MonitorArea& area) {
    return {saved.x + (area.work.left - area.monitor.left), saved.y + (area.work.top - area.monitor.top)};
}

// Screen coordinates stay far inside this bound, so a saved value beyond it (a settings file may
// hold any integer) is off screen either way; bounding it keeps the frame's edges and the
// workspace offsets added to it from overflowing an int.
constexpr int kFarthestSavedPosition = 1 << 30;

PlacementPoint Bounded(PlacementPoint saved) {
    return {std::clamp(saved.x, -kFarthestSavedPosition, kFarthestSavedPosition),
            std::clamp(saved.y, -kFarthestSavedPosition, kFarthestSavedPosition)};
}

int ClampAxis(int position, int size, int low, int high) {
    if (size >= high - low) return low;
    return std::clamp(position, low, high - size);
}
}  // namespace

PlacementPoint RestoredFramePosition(PlacementPoint saved, int width, int height,
                                     std::span<const MonitorArea> monitors) {
    if (monitors.empty()) return saved;
    saved = Bounded(saved);
    // The frame belongs to the monitor it overlaps most once converted with the primary monitor's
    // offset; that monitor's own offset then gives the exact position.
    PlacementPoint position = ToScreen(saved, monitors[0]);
    const MonitorArea* best = nullptr;
    std::int64_t bestOverlap = 0;
    for (const MonitorArea& area : monitors) {
        const std::int64_t overlap = OverlapArea(FrameAt(position, width, height), area.monitor);
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = &area;
        }
    }
    if (best != nullptr) {
        const PlacementPoint exact = ToScreen(saved, *best);
        if (OverlapArea(FrameAt(exact, width, height), best->monitor) > 0) return exact;
        return position;
    }
    // Entirely off every monitor (one was removed, a resolution changed): onto the nearest one.
    const PlacementRect frame = FrameAt(position, width, height);
    const MonitorArea* nearest = &monitors[0];
    std::int64_t nearestDistance = INT64_MAX;
    for (const MonitorArea& area : monitors) {
        const std::int64_t distance = DistanceSquared(frame, area.monitor);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &area;
        }
    }
    const PlacementRect& work = nearest->work;
    return {ClampAxis(position.x, width, work.left, work.right), ClampAxis(position.y, height, work.top, work.bottom)};
}
