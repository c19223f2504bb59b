#include <gtest/gtest.h>

#include "app/MainCaption.h"
#include "catalogue/HsColor.h"
#include "catalogue/PreviewStrip.h"
#include "framework/TextFormat.h"

namespace {

TEST(TextFormat, SubstitutesNumberedArguments) {
    EXPECT_EQ(SubstituteArgs("%1 から %2 までの整数", {"0", "255"}), "0 から 255 までの整数");
    EXPECT_EQ(SubstituteArgs("%2-%1", {"a", "b"}), "b-a") << "order as the text asks";
    EXPECT_EQ(SubstituteArgs("%1%", {"x"}), "x%") << "a lone percent stays";
    EXPECT_EQ(SubstituteArgs("%3", {"x"}), "") << "a missing argument is empty";
    EXPECT_EQ(SubstituteArgs("100%1", {"%2"}), "100%2") << "arguments are not expanded again";
}

TEST(TextFormat, SplitsTemplateStringFields) {
    const std::string_view doc = "Huesmith\nUntitled\n\nfilter(*.csv)\n.csv\n\nId\nName";
    EXPECT_EQ(SplitField(doc, '\n', 0), "Huesmith");
    EXPECT_EQ(SplitField(doc, '\n', 2), "") << "an empty field";
    EXPECT_EQ(SplitField(doc, '\n', 4), ".csv");
    EXPECT_EQ(SplitField(doc, '\n', 7), "Name") << "the last field";
    EXPECT_EQ(SplitField(doc, '\n', 8), "") << "past the end";
}

TEST(MainCaption, FormatsAndRecognisesTheFrameCaption) {
    EXPECT_EQ(FormatMainCaption("Huesmith", 400), "Huesmith - 400");
    EXPECT_TRUE(IsMainCaption("Huesmith - 0", "Huesmith"));
    EXPECT_FALSE(IsMainCaption("Huesmith", "Huesmith")) << "the bare title before the list is filled";
    EXPECT_FALSE(IsMainCaption("Huesmith - ", "Huesmith")) << "no count";
    EXPECT_FALSE(IsMainCaption("Huesmithy - 3", "Huesmith"));
    EXPECT_FALSE(IsMainCaption("Notepad - Huesmith - 3", "Huesmith"));
}

TEST(ColorPacking, KeepsTheLowEightBitsOfEachChannel) {
    EXPECT_EQ(PackColor(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(PackColor(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(PackColor(300, -1, 256), 0x00FF2Cu) << "out-of-range values wrap as bytes";
    const HsColor c = 0x00A0B0C0;
    EXPECT_EQ(RedOf(c), 0xC0);
    EXPECT_EQ(GreenOf(c), 0xB0);
    EXPECT_EQ(BlueOf(c), 0xA0);
}

TEST(PreviewStrip, CentresTextAndClipsWideTextEvenly) {
    EXPECT_EQ(rectPreview.Width(), 249);
    EXPECT_EQ(rectPreview.Height(), 29);
    const TextOrigin small = CentredTextOrigin(rectPreview, 100, 24);
    EXPECT_EQ(small.x, 74) << "(249 - 100) / 2";
    EXPECT_EQ(small.y, 2) << "(29 - 24) / 2";
    const TextOrigin wide = CentredTextOrigin(rectPreview, 400, 24);
    EXPECT_EQ(wide.x, -75) << "(249 - 400) / 2 truncates toward zero";
    const TextOrigin tall = CentredTextOrigin(rectPreview, 10, 40);
    EXPECT_EQ(tall.y, -5) << "(29 - 40) / 2 truncates toward zero";
}

TEST(PreviewStrip, FillsTheBottomOfTheFormAtEveryScale) {
    EXPECT_EQ(PreviewLayoutFor(96, 300, 200), (PreviewLayout{rectPreview, 24}))
        << "96 DPI: the fixed strip, whatever the form's size";
    EXPECT_EQ(PreviewLayoutFor(0, 300, 200), (PreviewLayout{rectPreview, 24})) << "no DPI known";
    // Form sizes as the 9-point dialog font gives them at 125, 150 and 200 %.
    EXPECT_EQ(PreviewLayoutFor(120, 302, 208), (PreviewLayout{{0, 173, 302, 208}, 30})) << "125 %: 138 * 1.25 rounds up";
    EXPECT_EQ(PreviewLayoutFor(144, 355, 250), (PreviewLayout{{0, 207, 355, 250}, 36})) << "150 %";
    EXPECT_EQ(PreviewLayoutFor(192, 497, 333), (PreviewLayout{{0, 276, 497, 333}, 48})) << "200 %";
    EXPECT_EQ(PreviewLayoutFor(144, 0, 0), (PreviewLayout{{0, 207, 374, 251}, 36}))
        << "a form not laid out yet: the plainly scaled strip";
    EXPECT_EQ(ScaleFromStandardDpi(249, 144), 374) << "373.5 rounds away from zero";
    EXPECT_EQ(ScaleFromStandardDpi(-3, 144), -5) << "-4.5 rounds away from zero";
}

}  // namespace
