#include <gtest/gtest.h>

#include <array>

#include "catalogue/CategoryFilter.h"
#include "tests/unit/Cp932TestText.h"

namespace {

using Flags = std::array<int, kColorFamilyCount>;

Flags Families(std::initializer_list<ColorFamily> chosen) {
    Flags flags{};
    for (const ColorFamily family : chosen) flags[family] = 1;
    return flags;
}

TEST(CategoryFilter, FamilyWindows) {
    const auto args = [](std::initializer_list<ColorFamily> chosen) {
        return FamilyFilterFor(Families(chosen));
    };
    EXPECT_EQ(args({kFamilyRed}), (FamilyFilterArgs{901, 1090, 150, 1000})) << "red alone";
    EXPECT_EQ(args({kFamilyYellow, kFamilyGreen}), (FamilyFilterArgs{91, 480, 150, 1000}))
        << "yellow and green";
    EXPECT_EQ(args({kFamilyRed, kFamilyYellow}), (FamilyFilterArgs{91, 1090, 150, 1000}))
        << "red and yellow wrap round the whole circle";
    EXPECT_EQ(args({kFamilyRed, kFamilyGreen}), (FamilyFilterArgs{221, 1090, 150, 1000}))
        << "red and green";
    EXPECT_EQ(args({kFamilyYellow, kFamilyBlue}), (FamilyFilterArgs{91, 900, 150, 1000}))
        << "yellow and blue take in green";
    EXPECT_EQ(args({kFamilyGreen, kFamilyGrey}), (FamilyFilterArgs{221, 480, -1, 1000}))
        << "green with black, white, grey";
    EXPECT_EQ(args({kFamilyGrey}), (FamilyFilterArgs{0, 1000, 0, 149}))
        << "black, white, grey alone: every hue, low saturation";
}

TEST(CategoryFilter, NoneOrAllListsEverything) {
    EXPECT_TRUE(ChoosesNoneOrAll(Families({}))) << "no family";
    EXPECT_TRUE(ChoosesNoneOrAll(Families(
        {kFamilyRed, kFamilyYellow, kFamilyGreen, kFamilyBlue, kFamilyGrey})))
        << "all families";
    EXPECT_FALSE(ChoosesNoneOrAll(Families({kFamilyGrey}))) << "one family";
    EXPECT_FALSE(ChoosesNoneOrAll(Families({kFamilyRed, kFamilyYellow, kFamilyGreen, kFamilyBlue})))
        << "four of five";
    std::array<int, kKanaRowCount> rows{};
    rows.fill(1);
    EXPECT_TRUE(ChoosesNoneOrAll(rows)) << "all ten rows";
    rows[9] = 0;
    EXPECT_FALSE(ChoosesNoneOrAll(rows)) << "nine rows";
}

std::string Rows(std::initializer_list<std::size_t> chosen) {
    std::array<int, kKanaRowCount> rows{};
    for (const std::size_t row : chosen) rows[row] = 1;
    return JoinKanaRows(rows);
}

TEST(KanaRows, TextsJoinInRowOrder) {
    const std::array<const char*, kKanaRowCount> expected = {
        "あいうえお", "かがきぎくぐけげこご", "さざしじすずせぜそぞ", "ただちぢつづてでとど",
        "なにぬねの", "はばぱひびぴふぶぷへべぺほぼぽ", "まみむめも", "やゐゆゑよ", "らりるれろ",
        "わ"};
    for (std::size_t row = 0; row < kKanaRowCount; ++row) {
        EXPECT_EQ(Rows({row}), ToCp932(expected[row])) << "row " << row;
    }
    EXPECT_EQ(Rows({9, 0}), ToCp932("あいうえおわ")) << "row order, not tick order";
    EXPECT_EQ(Rows({}), "") << "no row";
}

}  // namespace
