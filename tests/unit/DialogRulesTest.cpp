#include <gtest/gtest.h>

#include <optional>

#include "dialogs/ModeSwitch.h"
#include "dialogs/RangeSpin.h"

namespace {

using Range = std::optional<SpinRange>;

TEST(RangeSpin, TypedLowerBoundMovesTheUpperUpDown) {
    EXPECT_EQ(PartnerSpinRange("100", BoundEnd::Lower), (Range{{100, 255}})) << "plain value";
    EXPECT_EQ(PartnerSpinRange("0", BoundEnd::Lower), (Range{{0, 255}})) << "lowest";
    EXPECT_EQ(PartnerSpinRange("255", BoundEnd::Lower), (Range{{255, 255}})) << "highest: one step";
    EXPECT_EQ(PartnerSpinRange("  +7 ", BoundEnd::Lower), (Range{{7, 255}})) << "blanks and sign";
}

TEST(RangeSpin, TypedUpperBoundMovesTheLowerUpDown) {
    EXPECT_EQ(PartnerSpinRange("200", BoundEnd::Upper), (Range{{0, 200}})) << "plain value";
    EXPECT_EQ(PartnerSpinRange("0", BoundEnd::Upper), (Range{{0, 0}})) << "lowest: one step";
    EXPECT_EQ(PartnerSpinRange("-0", BoundEnd::Upper), (Range{{0, 0}})) << "signed zero";
}

TEST(RangeSpin, TextThatIsNoChannelValueLeavesThePartnerAlone) {
    for (const char* text : {"300", "256", "-1", "", " ", "abc", "12a", "1 2", "+", "99999999999999999999"}) {
        EXPECT_EQ(PartnerSpinRange(text, BoundEnd::Lower), std::nullopt) << "lower \"" << text << '"';
        EXPECT_EQ(PartnerSpinRange(text, BoundEnd::Upper), std::nullopt) << "upper \"" << text << '"';
    }
}

TEST(RangeSpin, StartingRangesKeepEachBoundOnItsSide) {
    EXPECT_EQ(LowerSpinRange(255), kFullChannelRange) << "widest criteria";
    EXPECT_EQ(LowerSpinRange(40), (SpinRange{0, 40})) << "lower steps up to the upper bound";
    EXPECT_EQ(UpperSpinRange(100), (SpinRange{100, 255})) << "upper steps down to the lower bound";
}

TEST(ModeSwitch, EnablingAndSwitching) {
    EXPECT_TRUE(EnablingForMode(0).firstGroup && !EnablingForMode(0).secondGroup) << "mode 0";
    EXPECT_TRUE(!EnablingForMode(1).firstGroup && EnablingForMode(1).secondGroup) << "mode 1";
    EXPECT_TRUE(!EnablingForMode(-1).firstGroup && EnablingForMode(-1).secondGroup) << "none chosen";

    EXPECT_FALSE(ModeSwitchApplies(false, 0, 1)) << "notification during set-up";
    EXPECT_FALSE(ModeSwitchApplies(true, 1, 1)) << "the chosen mode clicked again";
    EXPECT_TRUE(ModeSwitchApplies(true, 0, 1)) << "another mode";
    EXPECT_TRUE(ModeSwitchApplies(true, -1, 0)) << "first choice when none was chosen";
}

}  // namespace
