#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "eyedropper/MagnifierMath.h"

namespace {

constexpr int kW = 1280;
constexpr int kH = 1024;
constexpr int kZoom = 7;
constexpr int kSide = 154;

MagnifierStretch Clip(int x, int y) { return ClipMagnifierSource({x, y}, kW, kH, kZoom); }

TEST(MagnifierMath, ClipsAtEveryEdgeAndCorner) {
    // clang-format off
    EXPECT_EQ(Clip(500, 400), (MagnifierStretch{0, 0, 154, 154, 490, 390, 22, 22})) << "inside: no clip";
    EXPECT_EQ(Clip(10, 10), (MagnifierStretch{0, 0, 154, 154, 0, 0, 22, 22})) << "square just touching left and top";
    EXPECT_EQ(Clip(5, 400), (MagnifierStretch{35, 0, 119, 154, 0, 390, 17, 22})) << "left edge";
    EXPECT_EQ(Clip(500, 3), (MagnifierStretch{0, 49, 154, 105, 490, 0, 22, 15})) << "top edge";
    EXPECT_EQ(Clip(kW - 12, 400), (MagnifierStretch{0, 0, 154, 154, kW - 22, 390, 22, 22})) << "right: last column still whole";
    EXPECT_EQ(Clip(kW - 11, 400), (MagnifierStretch{0, 0, 140, 154, kW - 21, 390, 20, 22})) << "right edge: cut at W - 2";
    EXPECT_EQ(Clip(500, kH - 11), (MagnifierStretch{0, 0, 154, 140, 490, kH - 21, 22, 20})) << "bottom edge: cut at H - 2";
    EXPECT_EQ(Clip(0, 0), (MagnifierStretch{70, 70, 84, 84, 0, 0, 12, 12})) << "top-left corner";
    EXPECT_EQ(Clip(kW - 1, 0), (MagnifierStretch{0, 70, 70, 84, kW - 11, 0, 10, 12})) << "top-right corner";
    EXPECT_EQ(Clip(0, kH - 1), (MagnifierStretch{70, 0, 84, 70, 0, kH - 11, 12, 10})) << "bottom-left corner";
    EXPECT_EQ(Clip(kW - 1, kH - 1), (MagnifierStretch{0, 0, 70, 70, kW - 11, kH - 11, 10, 10})) << "bottom-right corner";
    // clang-format on
}

TEST(MagnifierMath, EveryCursorColumnKeepsItsPixelAtTheCentreBlock) {
    // Along a whole screen row (and the same holds for columns): the source stays on the screen
    // short of the last column, the destination is the source zoomed, and the cursor's pixel, when
    // captured, lands on the block that starts at 10 * zoom.
    for (int zoom : {1, 7}) {
        for (int x = 0; x < kW; ++x) {
            const MagnifierStretch s = ClipMagnifierSource({x, 500}, kW, kH, zoom);
            const std::string at = "zoom " + std::to_string(zoom) + ", x " + std::to_string(x);
            EXPECT_GE(s.srcX, 0) << at;
            EXPECT_LE(s.srcX + s.srcW - 1, x + 10 > kW - 2 ? kW - 2 : kW - 1) << at;
            EXPECT_EQ(s.dstW, s.srcW * zoom) << at;
            EXPECT_LE(s.dstX + s.dstW, 22 * zoom) << at;
            if (x < s.srcX + s.srcW) {
                EXPECT_EQ(s.dstX + (x - s.srcX) * zoom, 10 * zoom) << at;
            }
        }
    }
}

TEST(MagnifierMath, WindowLeavesTheCursorsWay) {
    const MagnifierPoint bottom{0, kH - kSide};
    const MagnifierPoint top{0, 0};
    EXPECT_EQ(MagnifierMoveFor({50, 50}, kH, kSide), bottom) << "cursor in the top-left home";
    EXPECT_EQ(MagnifierMoveFor({153, 153}, kH, kSide), bottom) << "home's last pixel";
    EXPECT_EQ(MagnifierMoveFor({154, 50}, kH, kSide), std::nullopt) << "just right of home";
    EXPECT_EQ(MagnifierMoveFor({50, 154}, kH, kSide), std::nullopt) << "just below home";
    EXPECT_EQ(MagnifierMoveFor({50, kH - 1}, kH, kSide), top) << "cursor in the bottom-left square";
    EXPECT_EQ(MagnifierMoveFor({0, kH - kSide + 1}, kH, kSide), top) << "bottom square's first row";
    EXPECT_EQ(MagnifierMoveFor({0, kH - kSide}, kH, kSide), std::nullopt) << "row above the bottom square";
    EXPECT_EQ(MagnifierMoveFor({154, kH - 1}, kH, kSide), std::nullopt) << "right of the bottom square";
    EXPECT_EQ(MagnifierMoveFor({640, 500}, kH, kSide), std::nullopt) << "middle of the screen";
}

TEST(MagnifierMath, ArrowKeysMoveOnePixelAndStopShortOfTheLastColumnAndRow) {
    EXPECT_EQ(ArrowKeyCursor(ArrowKey::Left, {100, 200}, kW, kH), (MagnifierPoint{99, 200})) << "left";
    EXPECT_EQ(ArrowKeyCursor(ArrowKey::Up, {100, 200}, kW, kH), (MagnifierPoint{100, 199})) << "up";
    EXPECT_EQ(ArrowKeyCursor(ArrowKey::Right, {100, 200}, kW, kH), (MagnifierPoint{101, 200})) << "right";
    EXPECT_EQ(ArrowKeyCursor(ArrowKey::Down, {100, 200}, kW, kH), (MagnifierPoint{100, 201})) << "down";
    EXPECT_EQ(ArrowKeyCursor(ArrowKey::Right, {kW - 3, 200}, kW, kH), (MagnifierPoint{kW - 2, 200}))
        << "right onto the limit";
    EXPECT_EQ(ArrowKeyCursor(ArrowKey::Right, {kW - 2, 200}, kW, kH), (MagnifierPoint{kW - 2, 200}))
        << "right at the limit stays";
    EXPECT_EQ(ArrowKeyCursor(ArrowKey::Down, {100, kH - 3}, kW, kH), (MagnifierPoint{100, kH - 2}))
        << "down onto the limit";
    EXPECT_EQ(ArrowKeyCursor(ArrowKey::Down, {100, kH - 2}, kW, kH), (MagnifierPoint{100, kH - 2}))
        << "down at the limit stays";
}

TEST(MagnifierMath, CrossHairFramesTheCursorBlockAtZoomSeven) {
    const auto lines = CrossHairLines(kZoom);
    EXPECT_EQ(lines[0], (MagnifierLine{{69, 0}, {69, 154}})) << "vertical left of the block";
    EXPECT_EQ(lines[1], (MagnifierLine{{77, 0}, {77, 154}})) << "vertical right of the block";
    EXPECT_EQ(lines[2], (MagnifierLine{{0, 69}, {154, 69}})) << "horizontal above the block";
    EXPECT_EQ(lines[3], (MagnifierLine{{0, 77}, {154, 77}})) << "horizontal below the block";
    EXPECT_EQ(MagnifierSamplePoint(kZoom), (MagnifierPoint{70, 70})) << "sample: first pixel inside";
}

}  // namespace
