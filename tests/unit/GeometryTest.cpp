#include <gtest/gtest.h>

#include <climits>
#include <span>

#include "app/FramePlacement.h"
#include "catalogue/PreviewStrip.h"
#include "eyedropper/MagnifierMath.h"
#include "tests/unit/UnitTest.h"

namespace {

TEST(FramePlacement, SavedPositionsComeBackOnAScreen) {
    constexpr int kWidth = 255;
    constexpr int kHeight = 244;
    const MonitorArea taskbarsTopLeft[] = {{{0, 0, 1280, 1024}, {60, 40, 1280, 1024}}};
    // The primary monitor's taskbar is at the top, the second monitor's at the bottom.
    const MonitorArea two[] = {{{0, 0, 1280, 1024}, {0, 40, 1280, 1024}},
                               {{1280, 0, 3200, 1080}, {1280, 0, 3200, 1040}}};
    const MonitorArea tiny[] = {{{0, 0, 200, 200}, {0, 0, 200, 200}}};
    const Case<std::pair<std::span<const MonitorArea>, PlacementPoint>, PlacementPoint> cases[] = {
        {{two, {1200, -20}}, {1200, -20}, "mostly on the second monitor: placed by its own work area"},
        // The saved values are workspace coordinates: (0,0) is the work area's corner.
        {{taskbarsTopLeft, {0, 0}}, {60, 40}, "taskbars at the left and at the top"},
        {{two, {5000, 5000}}, {3200 - kWidth, 1040 - kHeight}, "beyond the second monitor"},
        {{tiny, {900, 900}}, {0, 0}, "a frame larger than the work area goes to its corner"},
        // A settings file may hold anything atoi can read: the extremes must still land on screen.
        {{taskbarsTopLeft, {INT_MAX, INT_MAX}}, {1280 - kWidth, 1024 - kHeight}, "largest integers"},
    };
    for (const auto& [in, expected, what] : cases) {
        const PlacementPoint p = RestoredFramePosition(in.second, kWidth, kHeight, in.first);
        EXPECT_EQ(p.x, expected.x) << what;
        EXPECT_EQ(p.y, expected.y) << what;
    }
}

// The strip's top and font scale with the DPI; its right and bottom follow the form, which the
// dialog font does not scale exactly.
TEST(PreviewStrip, FillsTheBottomOfTheFormAtEveryScale) {
    EXPECT_EQ(PreviewLayoutFor(96, 300, 200), (PreviewLayout{rectPreview, 24})) << "96 DPI: the fixed strip";
    EXPECT_EQ(PreviewLayoutFor(144, 355, 250), (PreviewLayout{{0, 207, 355, 250}, 36})) << "150 %";
    EXPECT_EQ(PreviewLayoutFor(144, 0, 0), (PreviewLayout{{0, 207, 374, 251}, 36})) << "a form not laid out yet";
}

constexpr int kW = 1280;
constexpr int kH = 1024;
constexpr int kZoom = 7;

TEST(MagnifierMath, ClipsTheSourceAtTheScreensEdgesAndSamplesTheCursorsBlock) {
    const Case<MagnifierPoint, MagnifierStretch> cases[] = {
        {{kW - 12, 400}, {0, 0, 154, 154, kW - 22, 390, 22, 22}, "right: last column still whole"},
        {{kW - 11, 400}, {0, 0, 140, 154, kW - 21, 390, 20, 22}, "right edge: cut at W - 2"},
        {{0, 0}, {70, 70, 84, 84, 0, 0, 12, 12}, "top-left corner"},
        {{kW - 1, kH - 1}, {0, 0, 70, 70, kW - 11, kH - 11, 10, 10}, "bottom-right corner"},
    };
    for (const auto& c : cases) EXPECT_EQ(ClipMagnifierSource(c.in, kW, kH, kZoom), c.out) << c.what;
    EXPECT_EQ(MagnifierSamplePoint(kZoom), (MagnifierPoint{70, 70})) << "sample: first pixel inside";
}

}  // namespace
