#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>

#include "catalogue/CColorRecord.h"
#include "catalogue/ColorClipboardText.h"
#include "catalogue/ColorHls.h"
#include "catalogue/ColorLab.h"
#include "tests/unit/UnitTest.h"

namespace {

// The same text typed as a code and pasted: a typed code is six digits, or seven of which the first
// only leads in; a paste drops trailing blanks, needs an alphanumeric first byte when just six bytes
// are left and reads the last six of a longer text, refusing a negative pair.
TEST(ColorCode, TypedPastedAndCopiedCodes) {
    const ChannelValues orange{255, 128, 0};
    const Case<const char*, std::pair<std::optional<ChannelValues>, std::optional<ChannelValues>>> cases[] = {
        {"x12aB3c", {ChannelValues{0x12, 0xAB, 0x3C}, ChannelValues{0x12, 0xAB, 0x3C}}, "seven, either case"},
        {"x f+f f", {ChannelValues{15, 15, 15}, ChannelValues{15, 15, 15}}, "a blank or a plus sign before a digit"},
        {"#FFx0G0", {ChannelValues{255, 0, 0}, ChannelValues{255, 0, 0}}, "pairs stop at a non-digit"},
        {"#FF80-0", {orange, orange}, "minus zero reads 0"},
        {"\xb1" "12345", {ChannelValues{0, 0x23, 0x45}, ChannelValues{0, 0x23, 0x45}}, "half-width katakana first"},
        {"#-f0a00", {ChannelValues{-15, 10, 0}, std::nullopt}, "a sign reads negative: refused when pasted"},
        {"#ff800", {std::nullopt, std::nullopt}, "six beginning with #: still being typed, no paste"},
        {"\x82\xa0\x82\xa2\x82\xa4", {ChannelValues{0, 0, 0}, std::nullopt}, "six from a lead byte"},
        {"ff80", {std::nullopt, std::nullopt}, "too short"},
        {"#ff80000", {std::nullopt, ChannelValues{0xf8, 0, 0}}, "longer than a code: the last six pasted"},
        {"FF8000 \t \r\n\r\n", {std::nullopt, orange}, "exactly six once the blanks are gone"},
        {"FF80\r\n", {orange, std::nullopt}, "a line break: typed it reads 00, pasted it goes, leaving five"},
    };
    for (const auto& [text, values, what] : cases) {
        EXPECT_EQ(ParseHtmlCode(text), values.first) << "typed: " << what;
        EXPECT_EQ(ParseClipboardCode(text), values.second) << "pasted: " << what;
    }
    // A copy puts the prefix as typed before the digits in the chosen case.
    EXPECT_EQ(FormatClipboardCode("0x", false, PackColor(171, 205, 239)), "0xABCDEF") << "prefix not upper-cased";
    EXPECT_EQ(FormatClipboardCode("Col ", true, PackColor(171, 205, 239)), "Col abcdef") << "prefix not lowered";
    EXPECT_EQ(FormatClipboardCode("", false, PackColor(300, 0, -1)), "2C00FF") << "channels wrap as bytes";
}

TEST(ColorCode, FieldsAndTheCodeRecomposedFromThem) {
    EXPECT_EQ(HexFieldFromPair("zz"), "0") << "a pair without digits is 0";
    const Case<std::tuple<ColorChannel, const char*, const char*, const char*>, std::string> cases[] = {
        {{ColorChannel::Green, "1", "8", ""}, "#010800", "the changed field as two digits, others padded, empty 00"},
        {{ColorChannel::Red, "z", "a", "z"}, "#000A0Z", "a changed z reads 0, another's stays as typed"},
        {{ColorChannel::Red, "-f", "A", "0"}, "#-F0A00", "a negative field stays as typed"},
        // Full-width B (0x82 0x61): its trail byte has the value of "a" and must not be upper-cased.
        {{ColorChannel::Red, "0", "\x82\x61", "0"}, "#00\x82\x61" "00", "double-byte character kept whole"},
    };
    for (const auto& c : cases) EXPECT_EQ(std::apply(RecomposeHtmlCode, c.in), c.out) << c.what;
}

using Triple = std::array<short, 3>;

// Hue, saturation and lightness.
Triple ToHls(const Triple& rgb) {
    Triple hls{-1, -1, -1};
    RgbToHls(rgb[0], rgb[1], rgb[2], hls[0], hls[1], hls[2]);
    return hls;
}

// A data file may hold any 16-bit channel: no division by zero, no overflow (the sanitizers
// watch), a hue still on its circle.
TEST(ColorHls, WorkedColoursAndChannelsOutsideTheByteRange) {
    const Case<Triple, Triple> cases[] = {
        {{255, 255, 0}, {166, 1000, 500}, "yellow: red and green share the maximum"},
        {{255, 128, 0}, {83, 1000, 500}, "orange"},
        {{255, 0, 1}, {999, 1000, 500}, "hue wraps below 0"},
        {{100, 50, 50}, {0, 333, 294}, "dark: room is max + min"},
        {{200, 100, 100}, {0, 476, 588}, "light: room is 510 - max - min"},
        {{5, -5, 0}, {917, 1000, 0}, "max + min = 0 leaves no room"},
        {{300, 210, 255}, {917, 1000, 1000}, "max + min = 510 leaves no room"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToHls(c.in), c.out) << c.what;
    const short channels[] = {-32768, -256, -1, 0, 1, 254, 255, 256, 510, 32767};
    for (int i = 0; i < 1000; ++i) {
        const Triple rgb{channels[i / 100], channels[i / 10 % 10], channels[i % 10]};
        EXPECT_TRUE(ToHls(rgb)[0] >= 0 && ToHls(rgb)[0] <= 999) << rgb[0] << "," << rgb[1] << "," << rgb[2];
    }
}

TEST(ColorLab, WorkedValueAndTheRecordsCopyOfIt) {
    const std::array<double, 3> red{475.882961, 581.893254, 820.487864};
    std::array<double, 3> computed{-1.0, -1.0, -1.0};
    RgbToLab(255, 0, 0, computed[0], computed[1], computed[2]);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_NEAR(computed[i], red[i], 1e-6) << "red, value " << i;
    // The record's stored values must be the very same doubles, or searches would differ.
    const CColorRecord record("n", "r", 255, 0, 0);
    EXPECT_EQ((std::array{record.GetLabL(), record.GetLabA(), record.GetLabB()}), computed) << "the record's copy";
}

}  // namespace
