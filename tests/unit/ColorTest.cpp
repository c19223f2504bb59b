#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "catalogue/CColorRecord.h"
#include "catalogue/ColorClipboardText.h"
#include "catalogue/ColorHls.h"
#include "catalogue/ColorLab.h"
#include "tests/unit/UnitTest.h"

namespace {

// A paste drops trailing blanks, needs an alphanumeric first byte when just six bytes are left and
// reads the last six of a longer text, refusing a pair that reads negative.
TEST(ColorCode, PastedAndCopiedCodes) {
    const ChannelValues orange{255, 128, 0};
    const Case<const char*, std::optional<ChannelValues>> cases[] = {
        {"#FF80-0", orange, "minus zero reads 0"},
        {"#-f0a00", std::nullopt, "a pair reading negative"},
        {"\xb1" "12345", ChannelValues{0, 0x23, 0x45}, "six from half-width katakana"},
        {"\x82\xa0\x82\xa2\x82\xa4", std::nullopt, "six from a lead byte"},
        {"#ff80000", ChannelValues{0xf8, 0, 0}, "longer than a code: the last six"},
        {"FF8000 \t \r\n\r\n", orange, "exactly six once the blanks are gone"},
        {"FF80\r\n", std::nullopt, "five once the line break goes"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseClipboardCode(c.in), c.out) << c.what;
    // A catalogue may hold channels outside a byte; a copy still gives two digits each.
    EXPECT_EQ(FormatClipboardCode("", false, PackColor(300, 0, -1)), "2C00FF") << "channels wrap as bytes";
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
TEST(ColorHls, WorkedColourAndChannelsOutsideTheByteRange) {
    EXPECT_EQ(ToHls({200, 100, 100}), (Triple{0, 476, 588})) << "light: room is 510 - max - min";
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
