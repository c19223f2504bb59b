#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "app/FramePlacement.h"

namespace {

constexpr int kWidth = 255;
constexpr int kHeight = 244;

MonitorArea Monitor(int left, int top, int right, int bottom, int workLeft, int workTop, int workRight,
                    int workBottom) {
    return {{left, top, right, bottom}, {workLeft, workTop, workRight, workBottom}};
}

TEST(FramePlacement, OnScreenPositionsComeBackExactly) {
    const std::vector<MonitorArea> single{Monitor(0, 0, 1280, 1024, 0, 0, 1280, 984)};
    const PlacementPoint p = RestoredFramePosition({100, 80}, kWidth, kHeight, single);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 80);

    const PlacementPoint partly = RestoredFramePosition({1200, -20}, kWidth, kHeight, single);
    EXPECT_EQ(partly.x, 1200) << "a frame partly on screen stays where it was";
    EXPECT_EQ(partly.y, -20);
}

TEST(FramePlacement, TaskbarAtTopOrLeftDoesNotCreep) {
    // The saved values are workspace coordinates: (0,0) is the work area's corner.
    const std::vector<MonitorArea> top{Monitor(0, 0, 1280, 1024, 0, 40, 1280, 1024)};
    const PlacementPoint p = RestoredFramePosition({100, 80}, kWidth, kHeight, top);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 120) << "taskbar of 40 px at the top";

    const std::vector<MonitorArea> left{Monitor(0, 0, 1280, 1024, 60, 0, 1280, 1024)};
    const PlacementPoint q = RestoredFramePosition({0, 0}, kWidth, kHeight, left);
    EXPECT_EQ(q.x, 60) << "taskbar of 60 px on the left";
    EXPECT_EQ(q.y, 0);
}

TEST(FramePlacement, OffScreenFramesComeOntoTheNearestWorkArea) {
    const std::vector<MonitorArea> two{Monitor(0, 0, 1280, 1024, 0, 0, 1280, 984),
                                       Monitor(1280, 0, 3200, 1080, 1280, 0, 3200, 1040)};
    const PlacementPoint right = RestoredFramePosition({5000, 5000}, kWidth, kHeight, two);
    EXPECT_EQ(right.x, 3200 - kWidth) << "beyond the second monitor";
    EXPECT_EQ(right.y, 1040 - kHeight);

    const PlacementPoint left = RestoredFramePosition({-3000, 100}, kWidth, kHeight, two);
    EXPECT_EQ(left.x, 0) << "far left of the primary monitor";
    EXPECT_EQ(left.y, 100);

    const PlacementPoint onSecond = RestoredFramePosition({2000, 500}, kWidth, kHeight, two);
    EXPECT_EQ(onSecond.x, 2000) << "a position on the second monitor is kept";
    EXPECT_EQ(onSecond.y, 500);

    const std::vector<MonitorArea> tiny{Monitor(0, 0, 200, 200, 0, 0, 200, 200)};
    const PlacementPoint clipped = RestoredFramePosition({900, 900}, kWidth, kHeight, tiny);
    EXPECT_EQ(clipped.x, 0) << "a frame larger than the work area goes to its corner";
    EXPECT_EQ(clipped.y, 0);

    const PlacementPoint none = RestoredFramePosition({7, 9}, kWidth, kHeight, {});
    EXPECT_EQ(none.x, 7) << "no monitor information: as saved";
    EXPECT_EQ(none.y, 9);
}

// A settings file may hold anything atoi can read: the extremes must still land on screen.
TEST(FramePlacement, ExtremeSavedPositionsComeOntoTheWorkArea) {
    const std::vector<MonitorArea> taskbarTopLeft{Monitor(0, 0, 1280, 1024, 60, 40, 1280, 1024)};
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const PlacementPoint high = RestoredFramePosition({kMax, kMax}, kWidth, kHeight, taskbarTopLeft);
    EXPECT_EQ(high.x, 1280 - kWidth) << "largest integers: right edge";
    EXPECT_EQ(high.y, 1024 - kHeight) << "largest integers: bottom edge";
    const PlacementPoint low = RestoredFramePosition({kMin, kMin}, kWidth, kHeight, taskbarTopLeft);
    EXPECT_EQ(low.x, 60) << "smallest integers: left edge of the work area";
    EXPECT_EQ(low.y, 40) << "smallest integers: top edge of the work area";
    const PlacementPoint mixed = RestoredFramePosition({kMax - 100, kMin + 5}, kWidth, kHeight, taskbarTopLeft);
    EXPECT_EQ(mixed.x, 1280 - kWidth) << "near the largest x";
    EXPECT_EQ(mixed.y, 40) << "near the smallest y";
}

}  // namespace
