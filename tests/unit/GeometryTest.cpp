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
        {{two, {-3000, 100}}, {0, 140}, "far left of the primary monitor"},
        {{tiny, {900, 900}}, {0, 0}, "a frame larger than the work area goes to its corner"},
        {{{}, {7, 9}}, {7, 9}, "no monitor information: as saved"},
        // A settings file may hold anything atoi can read: the extremes must still land on screen.
        {{taskbarsTopLeft, {INT_MAX, INT_MAX}}, {1280 - kWidth, 1024 - kHeight}, "largest integers"},
    };
    for (const auto& [in, expected, what] : cases) {
        const PlacementPoint p = RestoredFramePosition(in.second, kWidth, kHeight, in.first);
        EXPECT_EQ(p.x, expected.x) << what;
        EXPECT_EQ(p.y, expected.y) << what;
    }
}

TEST(PreviewStrip, CentresTextAndFillsTheFormsBottomAtEveryScale) {
    const TextOrigin large = CentredTextOrigin(rectPreview, 400, 40);
    EXPECT_EQ(large.x, -75) << "(249 - 400) / 2 truncates toward zero: wide text is cut evenly";
    EXPECT_EQ(large.y, -5) << "(29 - 40) / 2 truncates toward zero";
    EXPECT_EQ(PreviewLayoutFor(96, 300, 200), (PreviewLayout{rectPreview, 24})) << "96 DPI: the fixed strip";
    EXPECT_EQ(PreviewLayoutFor(0, 300, 200), (PreviewLayout{rectPreview, 24})) << "no DPI known";
    EXPECT_EQ(PreviewLayoutFor(120, 302, 208), (PreviewLayout{{0, 173, 302, 208}, 30})) << "125 %: 172.5 rounds up";
    EXPECT_EQ(PreviewLayoutFor(144, 0, 0), (PreviewLayout{{0, 207, 374, 251}, 36}))
        << "a form not laid out yet: the plainly scaled strip";
}

constexpr int kW = 1280;
constexpr int kH = 1024;
constexpr int kZoom = 7;
constexpr int kSide = 154;

TEST(MagnifierMath, ClipsTheSourceAtTheScreensEdgesAndFramesTheCursorsBlock) {
    const Case<MagnifierPoint, MagnifierStretch> cases[] = {
        {{5, 400}, {35, 0, 119, 154, 0, 390, 17, 22}, "left edge"},
        {{kW - 12, 400}, {0, 0, 154, 154, kW - 22, 390, 22, 22}, "right: last column still whole"},
        {{kW - 11, 400}, {0, 0, 140, 154, kW - 21, 390, 20, 22}, "right edge: cut at W - 2"},
        {{0, 0}, {70, 70, 84, 84, 0, 0, 12, 12}, "top-left corner"},
        {{kW - 1, kH - 1}, {0, 0, 70, 70, kW - 11, kH - 11, 10, 10}, "bottom-right corner"},
    };
    for (const auto& c : cases) EXPECT_EQ(ClipMagnifierSource(c.in, kW, kH, kZoom), c.out) << c.what;
    const auto lines = CrossHairLines(kZoom);
    EXPECT_EQ(lines[0], (MagnifierLine{{69, 0}, {69, 154}})) << "vertical left of the block";
    EXPECT_EQ(lines[3], (MagnifierLine{{0, 77}, {154, 77}})) << "horizontal below the block";
    EXPECT_EQ(MagnifierSamplePoint(kZoom), (MagnifierPoint{70, 70})) << "sample: first pixel inside";
}

TEST(MagnifierMath, WindowLeavesTheCursorsWay) {
    const Case<MagnifierPoint, std::optional<MagnifierPoint>> cases[] = {
        {{153, 153}, MagnifierPoint{0, kH - kSide}, "the top-left home's last pixel: to the bottom"},
        {{154, 50}, std::nullopt, "just right of home"},
        {{50, 154}, std::nullopt, "just below home"},
        {{0, kH - kSide + 1}, MagnifierPoint{0, 0}, "the bottom-left square's first row: to the top"},
        {{0, kH - kSide}, std::nullopt, "the row above the bottom square"},
        {{154, kH - 1}, std::nullopt, "right of the bottom square"},
    };
    for (const auto& c : cases) EXPECT_EQ(MagnifierMoveFor(c.in, kH, kSide), c.out) << c.what;
}

TEST(MagnifierMath, ArrowKeysMoveOnePixelAndStopShortOfTheLastColumnAndRow) {
    const Case<std::pair<ArrowKey, MagnifierPoint>, MagnifierPoint> cases[] = {
        {{ArrowKey::Left, {100, 200}}, {99, 200}, "left"},
        {{ArrowKey::Up, {100, 200}}, {100, 199}, "up"},
        {{ArrowKey::Right, {kW - 3, 200}}, {kW - 2, 200}, "right onto the limit"},
        {{ArrowKey::Right, {kW - 2, 200}}, {kW - 2, 200}, "right at the limit stays"},
        {{ArrowKey::Down, {100, kH - 3}}, {100, kH - 2}, "down onto the limit"},
        {{ArrowKey::Down, {100, kH - 2}}, {100, kH - 2}, "down at the limit stays"},
    };
    for (const auto& c : cases) EXPECT_EQ(ArrowKeyCursor(c.in.first, c.in.second, kW, kH), c.out) << c.what;
}

}  // namespace
