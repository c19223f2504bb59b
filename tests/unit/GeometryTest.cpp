#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <tuple>
#include <span>
#include <vector>

#include "app/FramePlacement.h"
#include "catalogue/PreviewStrip.h"
#include "eyedropper/MagnifierMath.h"
#include "framework/DialogTemplate.h"
#include "framework/ShareWidth.h"
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

// The strip starts at the placeholder the form's layout put below the blue row and fills the form;
// its font keeps its share of the strip's height.
TEST(PreviewStrip, FillsTheBottomOfTheFormAtEveryScale) {
    EXPECT_EQ(PreviewLayoutFor(rectPreview, 249, 167), (PreviewLayout{rectPreview, 24})) << "96 DPI: the fixed strip";
    EXPECT_EQ(PreviewLayoutFor({0, 207, 374, 250}, 374, 250), (PreviewLayout{{0, 207, 374, 250}, 36})) << "150 %";
    EXPECT_EQ(PreviewLayoutFor({0, 276, 497, 333}, 500, 340), (PreviewLayout{{0, 276, 500, 340}, 53})) << "200 %, filled";
    EXPECT_EQ(PreviewLayoutFor({0, 207, 374, 250}, 0, 0), (PreviewLayout{{0, 207, 374, 250}, 36})) << "not laid out yet";
}

// A template as the resource compiler writes it: a font, a control named by an ordinal class and
// a caption, one by a class name, each starting on a double word.
TEST(DialogTemplate, ControlsAndFontReadAndMappedAsTheDialogManagerPlacesThem) {
    const std::vector<std::uint16_t> words = {
        1, 0xFFFF, 0, 0, 0, 0, 0x00C0, 0x5004, 2, 0, 0, 142, 111,  // DS_SETFONT | DS_CONTROL ...; 2 controls
        0, 0, 0,                                                   // no menu, class or caption
        9, 400, 0x8000, u'M', u'S', 0,                            // 9 pt, weight 400, charset 128, "MS"
        0, 0, 0, 0, 0x0000, 0x5000, 4, 20, 135, 94, 1002, 0, 0xFFFF, 0x0085, u'x', 0, 0,  // ordinal class, "x"
        0,                                                                                 // padding
        0, 0, 0, 0, 0, 0x4000, 0, 92, 142, 19, 0xFFFF, 0xFFFF, u'S', u't', 0, 0, 2, 7, 7,  // "St", no title, data
    };
    std::vector<std::byte> bytes;
    for (const std::uint16_t w : words) bytes.insert(bytes.end(), {std::byte(w & 0xFF), std::byte(w >> 8)});
    const auto layout = ParseDialogTemplate(bytes);
    ASSERT_TRUE(layout.has_value());
    EXPECT_TRUE(layout->width == 142 && layout->height == 111 && layout->font && layout->font->pointSize == 9 &&
                !layout->font->italic && layout->font->charset == 128 && layout->font->face == u"MS")
        << "the dialog and its font";
    EXPECT_EQ(layout->controls, (std::vector<DialogControl>{{1002, {4, 20, 135, 94}}, {-1, {0, 92, 142, 19}}}))
        << "both controls, the second after the padding to a double word";
    EXPECT_FALSE(ParseDialogTemplate(std::span(bytes).first(bytes.size() - 6))) << "cut short";
    // The form's strip placeholder at a 96-DPI font (7 x 12) and at 150 % (10 x 18): the fixed strip,
    // then the 150 % one; halves round up as MulDiv rounds them.
    EXPECT_EQ(MapDialogUnits({0, 92, 142, 19}, BaseUnitsOfFont(364, 12)), (DialogItemBox{0, 138, 249, 29}));
    EXPECT_EQ(MapDialogUnits({0, 92, 142, 19}, BaseUnitsOfFont(520, 18)), (DialogItemBox{0, 207, 355, 43}));
}

TEST(ShareWidth, ColumnsFillTheListInTheirProportions) {
    constexpr int kWeights[] = {95, 95, 80, 55};
    EXPECT_EQ(ShareWidth(325, kWeights), (std::vector<int>{95, 95, 80, 55})) << "the weights' own total";
    EXPECT_EQ(ShareWidth(488, kWeights), (std::vector<int>{143, 142, 120, 83})) << "150 %: edges rounded, sum exact";
    EXPECT_EQ(ShareWidth(7, std::vector<int>{1, 1, 1}), (std::vector<int>{2, 3, 2})) << "no width a pixel off";
    EXPECT_EQ(ShareWidth(100, std::vector<int>{0, 0}), (std::vector<int>{0, 0})) << "no weight: nothing";
}

constexpr int kW = 1280;
constexpr int kH = 1024;
constexpr int kZoom = 7;
constexpr int kSide = kMagnifierSourcePx * kZoom;
constexpr MagnifierBounds kPrimary{0, 0, kW, kH};
// A 1920 x 1080 monitor left of the primary and 100 pixels higher: the virtual screen of both
// starts at (-1920, -100).
constexpr MagnifierBounds kLeftMonitor{-1920, -100, 1920, 1080};
constexpr MagnifierBounds kVirtual{-1920, -100, 1920 + kW, 100 + kH};

TEST(MagnifierMath, ClipsTheSourceAtTheScreensEdgesAndSamplesTheCursorsBlock) {
    const Case<std::pair<MagnifierBounds, MagnifierPoint>, MagnifierStretch> cases[] = {
        {{kPrimary, {kW - 12, 400}}, {0, 0, 154, 154, kW - 22, 390, 22, 22}, "right: last column still whole"},
        {{kPrimary, {kW - 11, 400}}, {0, 0, 140, 154, kW - 21, 390, 20, 22}, "right edge: cut at W - 2"},
        {{kPrimary, {0, 0}}, {70, 70, 84, 84, 0, 0, 12, 12}, "top-left corner"},
        {{kPrimary, {kW - 1, kH - 1}}, {0, 0, 70, 70, kW - 11, kH - 11, 10, 10}, "bottom-right corner"},
        {{kVirtual, {-1920, -100}}, {70, 70, 84, 84, -1920, -100, 12, 12}, "negative origin: its top-left corner"},
        {{kVirtual, {-1915, 500}}, {35, 0, 119, 154, -1920, 490, 17, 22}, "negative origin: cut at its left edge"},
        {{kVirtual, {kW - 11, kH - 1}}, {0, 0, 140, 70, kW - 21, kH - 11, 20, 10}, "virtual screen's far edges"},
    };
    const MagnifierPoint sample = MagnifierSamplePoint(kZoom);
    for (const auto& [in, out, what] : cases) {
        const MagnifierStretch stretch = ClipMagnifierSource(in.second, in.first, kZoom);
        EXPECT_EQ(stretch, out) << what;
        // The sampled picture pixel shows the cursor's own screen pixel, wherever the screen starts.
        EXPECT_EQ(stretch.dstX + (in.second.x - stretch.srcX) * kZoom, sample.x) << what;
        EXPECT_EQ(stretch.dstY + (in.second.y - stretch.srcY) * kZoom, sample.y) << what;
    }
}

// The magnifier's home corners are those of the cursor's monitor, and it keeps clear of the cursor
// with its readout too; the arrow keys keep the cursor on the virtual screen.
TEST(MagnifierMath, FollowsTheCursorsMonitorAndKeepsTheCursorOnTheScreen) {
    constexpr int kTall = 250;  // the picture and the readout below it
    constexpr MagnifierPoint kTop{0, 0};
    constexpr MagnifierPoint kLeftTop{-1920, -100};
    const Case<std::tuple<MagnifierPoint, MagnifierPoint, MagnifierBounds>, std::optional<MagnifierPoint>> moves[] = {
        {{{50, kH - 50}, {0, kH - kTall}, kPrimary}, kTop, "cursor in its window: to the top-left"},
        {{{50, 200}, kTop, kPrimary}, MagnifierPoint{0, kH - kTall}, "cursor on its readout: to the bottom-left"},
        {{{600, 450}, kTop, kPrimary}, std::nullopt, "elsewhere it stays"},
        {{{50, 100}, {0, 200 - kTall}, {0, 0, 200, 200}}, kTop, "too low for two windows: the top wins"},
        {{{-1000, 500}, kTop, kLeftMonitor}, kLeftTop, "the cursor on the left monitor: its top-left"},
        {{{-1900, -80}, kLeftTop, kLeftMonitor}, MagnifierPoint{-1920, 980 - kTall}, "its window there: bottom-left"},
    };
    for (const auto& [in, out, what] : moves) {
        EXPECT_EQ(MagnifierMoveFor(std::get<0>(in), std::get<1>(in), std::get<2>(in), {kSide, kTall}), out) << what;
    }
    const Case<std::tuple<ArrowKey, MagnifierPoint, int>, MagnifierPoint> keys[] = {
        {{ArrowKey::Left, {-1920, 3}, 1}, {-1920, 3}, "a negative left edge"},
        {{ArrowKey::Up, {600, 0}, 1}, {600, -1}, "up past the primary"},
        {{ArrowKey::Right, {kW - 2, 3}, 1}, {kW - 2, 3}, "last column but one"},
        {{ArrowKey::Left, {-1915, 3}, 10}, {-1920, 3}, "Shift: ten pixels, stopping at the edge"},
        {{ArrowKey::Down, {5, 500}, 10}, {5, 510}, "Shift: ten pixels down"},
        {{ArrowKey::Right, {kW - 7, 3}, 10}, {kW - 2, 3}, "Shift: stops at the last column but one"},
        {{ArrowKey::Right, {kW - 1, 3}, 10}, {kW - 1, 3}, "the mouse's last column: no step back"},
    };
    for (const auto& [in, out, what] : keys) {
        EXPECT_EQ(ArrowKeyCursor(std::get<0>(in), std::get<1>(in), kVirtual, std::get<2>(in)), out) << what;
    }
}

// The picture keeps its shown square; the readout lies below it, one font line each, as many
// characters to a line at any DPI.
TEST(MagnifierMath, ReadoutBelowThePictureGrowsWithTheFont) {
    const Case<std::tuple<int, int, int>, MagnifierLayout> cases[] = {
        {{148, 96, 12},
         {{0, 0, 148, 148}, {4, 152, 140, 12}, {4, 168, 140, 48}, {4, 216, 140, 12}, {4, 228, 140, 12}, {148, 244}},
         "96 DPI: as wide as the picture"},
        {{147, 144, 18},
         {{37, 0, 147, 147}, {6, 153, 209, 18}, {6, 177, 209, 72}, {6, 249, 209, 18}, {6, 267, 209, 18}, {221, 291}},
         "150 %: wider, the picture in the middle"},
    };
    for (const auto& [in, out, what] : cases) {
        EXPECT_EQ(LayOutMagnifier(std::get<0>(in), std::get<1>(in), std::get<2>(in)), out) << what;
    }
}

}  // namespace
