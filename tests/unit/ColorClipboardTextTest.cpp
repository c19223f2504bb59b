#include <gtest/gtest.h>

#include <optional>

#include "catalogue/ColorClipboardText.h"

namespace {

using Pasted = std::optional<ChannelValues>;
constexpr ChannelValues kOrange{255, 128, 0};

TEST(ColorClipboardText, CopyTextFollowsThePrefixAndTheLetterCase) {
    const HsColor orange = PackColor(255, 128, 0);
    EXPECT_EQ(FormatClipboardCode("#", false, orange), "#FF8000") << "defaults";
    EXPECT_EQ(FormatClipboardCode("#", true, orange), "#ff8000") << "lower case";
    EXPECT_EQ(FormatClipboardCode("", false, orange), "FF8000") << "empty prefix";
    EXPECT_EQ(FormatClipboardCode("$", true, orange), "$ff8000") << "dollar prefix, lower case";
    EXPECT_EQ(FormatClipboardCode("0x", false, PackColor(171, 205, 239)), "0xABCDEF") << "prefix keeps its case";
    EXPECT_EQ(FormatClipboardCode("Col ", true, PackColor(171, 205, 239)), "Col abcdef") << "prefix not lowered";
    EXPECT_EQ(FormatClipboardCode("#", false, PackColor(0, 0, 0)), "#000000") << "black: two digits a channel";
    EXPECT_EQ(FormatClipboardCode("\x83\x5c", true, PackColor(1, 2, 10)), "\x83\x5c" "01020a")
        << "a double-byte prefix passes untouched";
}

TEST(ColorClipboardText, PasteTakesTheLastSixBytesOfAnyLongerText) {
    EXPECT_EQ(ParseClipboardCode("#FF8000"), Pasted(kOrange)) << "# code";
    EXPECT_EQ(ParseClipboardCode("$FF8000"), Pasted(kOrange)) << "$ code";
    EXPECT_EQ(ParseClipboardCode("Colour: ff8000"), Pasted(kOrange)) << "long text, lower case";
    EXPECT_EQ(ParseClipboardCode("\x90\x46" "ff8000"), Pasted(kOrange)) << "double-byte text before the code";
    EXPECT_EQ(ParseClipboardCode("!!FF8000"), Pasted(kOrange)) << "longer text: no check of its first byte";
    EXPECT_EQ(ParseClipboardCode("x f f f"), Pasted(ChannelValues{15, 15, 15})) << "blank before a digit";
    EXPECT_EQ(ParseClipboardCode("x+f+f+f"), Pasted(ChannelValues{15, 15, 15})) << "plus sign";
    EXPECT_EQ(ParseClipboardCode("#FFx0G0"), Pasted(ChannelValues{255, 0, 0})) << "pieces stop at a non-digit";
}

TEST(ColorClipboardText, PasteOfExactlySixBytesNeedsAnAlphanumericFirstByte) {
    EXPECT_EQ(ParseClipboardCode("FF8000"), Pasted(kOrange)) << "bare digits";
    EXPECT_EQ(ParseClipboardCode("zzzzzz"), Pasted(ChannelValues{0, 0, 0})) << "letters: accepted, black";
    EXPECT_EQ(ParseClipboardCode("\xb1" "12345"), Pasted(ChannelValues{0, 0x23, 0x45}))
        << "half-width katakana counts as a letter";
    EXPECT_EQ(ParseClipboardCode("#FF800"), std::nullopt) << "# then five digits";
    EXPECT_EQ(ParseClipboardCode(" FF800"), std::nullopt) << "leading blank";
    EXPECT_EQ(ParseClipboardCode("+f+f+f"), std::nullopt) << "sign first";
    EXPECT_EQ(ParseClipboardCode("\x82\xa0\x82\xa2\x82\xa4"), std::nullopt) << "three double-byte characters";
}

TEST(ColorClipboardText, ShortTextsAndNegativePiecesChangeNothing) {
    EXPECT_EQ(ParseClipboardCode(""), std::nullopt) << "empty";
    EXPECT_EQ(ParseClipboardCode("FF800"), std::nullopt) << "five bytes";
    EXPECT_EQ(ParseClipboardCode("FF80\r\n"), std::nullopt) << "five bytes once the line break is gone";
    EXPECT_EQ(ParseClipboardCode(" \t\r\n \r\n"), std::nullopt) << "blanks only";
    EXPECT_EQ(ParseClipboardCode("#-f-f-f"), std::nullopt) << "minus signs";
    EXPECT_EQ(ParseClipboardCode("#FF-100"), std::nullopt) << "one negative piece";
    EXPECT_EQ(ParseClipboardCode("#FF80-0"), Pasted(kOrange)) << "minus zero reads 0, a channel value";
}

TEST(ColorClipboardText, TrailingLineBreaksTabsAndBlanksAreDroppedFirst) {
    EXPECT_EQ(ParseClipboardCode("#FF8000\r\n"), Pasted(kOrange)) << "CR LF";
    EXPECT_EQ(ParseClipboardCode("#FF8000\n"), Pasted(kOrange)) << "LF";
    EXPECT_EQ(ParseClipboardCode("FF8000 \t \r\n\r\n"), Pasted(kOrange)) << "six bytes before blanks";
    EXPECT_EQ(ParseClipboardCode("  FF8000  "), Pasted(kOrange)) << "leading blanks stay, then the last six";
}

}  // namespace
