#include "catalogue/ColorCode.h"

#include <gtest/gtest.h>

#include <ostream>

using Values = std::optional<ChannelValues>;

std::ostream& operator<<(std::ostream& out, const ChannelValues& v) {
    return out << '(' << v.red << ", " << v.green << ", " << v.blue << ')';
}

TEST(ColorCode, FormatsCodesAndChannelTexts) {
    EXPECT_EQ(FormatHtmlCode(255, 160, 122), "#FFA07A") << "two upper-case digits each";
    EXPECT_EQ(FormatHtmlCode(0, 0, 0), "#000000") << "black keeps its zeros";
    EXPECT_EQ(FormatHtmlCode(171, 205, 239), "#ABCDEF") << "red first";
    EXPECT_EQ(FormatHexChannel(0), "0") << "zero unpadded";
    EXPECT_EQ(FormatHexChannel(10), "A") << "one digit, upper case";
    EXPECT_EQ(FormatHexChannel(255), "FF") << "highest";
}

TEST(ColorCode, ReadsTypedCodes) {
    EXPECT_EQ(ParseHtmlCode("ff8000"), (Values{{255, 128, 0}})) << "six digits without #";
    EXPECT_EQ(ParseHtmlCode("#FF8000"), (Values{{255, 128, 0}})) << "seven with #";
    EXPECT_EQ(ParseHtmlCode("x12ab3c"), (Values{{0x12, 0xAB, 0x3C}})) << "seven: the first is ignored";
    EXPECT_EQ(ParseHtmlCode("12ab3c"), (Values{{18, 171, 60}})) << "mixed digits";
    EXPECT_EQ(ParseHtmlCode("#ff800"), std::nullopt) << "six behind # are still being typed";
    EXPECT_EQ(ParseHtmlCode("ff80"), std::nullopt) << "too short";
    EXPECT_EQ(ParseHtmlCode(""), std::nullopt) << "empty";
    EXPECT_EQ(ParseHtmlCode("#ff80000"), std::nullopt) << "longer than a code";
    EXPECT_EQ(ParseHtmlCode("zz 12g"), (Values{{0, 1, 2}})) << "each pair reads as far as it goes";
}

// A sign in a pair reads as a negative value: it must stay recognisable, never wrap to a colour.
TEST(ColorCode, NegativePairsAreNoChannels) {
    const Values signedRed = ParseHtmlCode("#-f0a00");
    ASSERT_TRUE(signedRed) << "a complete code";
    EXPECT_EQ(signedRed->red, -15) << "strtol's reading";
    EXPECT_FALSE(AreChannelValues(*signedRed)) << "refused";
    EXPECT_TRUE(AreChannelValues({0, 255, 128})) << "bounds are channels";
    EXPECT_EQ(HexFieldFromPair("-f"), "-F") << "the field shows the refused pair";
    EXPECT_EQ(HexFieldFromPair("0a"), "A") << "a valid pair as its value";
    EXPECT_EQ(HexFieldFromPair("zz"), "0") << "no digits";
    EXPECT_EQ(ParseHexChannel(" +f"), 15) << "blank and plus sign";
}

TEST(ColorCode, RecomposesTheCodeFromTheFieldsAsTyped) {
    EXPECT_EQ(RecomposeHtmlCode(ColorChannel::Green, "FF", "8", "0"), "#FF0800") << "typed 8 into green";
    EXPECT_EQ(RecomposeHtmlCode(ColorChannel::Red, "FF", "", "0"), "#FF0000") << "an emptied field gives 00";
    EXPECT_EQ(RecomposeHtmlCode(ColorChannel::Red, "10", "a", "b"), "#100A0B") << "others padded, upper-cased";
    EXPECT_EQ(RecomposeHtmlCode(ColorChannel::Red, "z", "0", "0"), "#000000") << "changed z reads 0";
    EXPECT_EQ(RecomposeHtmlCode(ColorChannel::Green, "1", "2", "z"), "#01020Z") << "another field's z as typed";
    EXPECT_EQ(RecomposeHtmlCode(ColorChannel::Blue, "a", "b", "c"), "#0A0B0C") << "blue parsed";
    EXPECT_EQ(RecomposeHtmlCode(ColorChannel::Red, "-f", "A", "0"), "#-F0A00") << "negative stays as typed";
    // Full-width B (0x82 0x61): its trail byte has the value of "a" and must not be upper-cased.
    EXPECT_EQ(RecomposeHtmlCode(ColorChannel::Red, "0", "\x82\x61", "0"), "#00\x82\x61" "00")
        << "double-byte character kept whole";
}
