#include <gtest/gtest.h>

#include <vector>

#include "catalogue/ColorHls.h"

namespace {

struct Hls {
    short hue, saturation, lightness;
    bool operator==(const Hls&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Hls& hls) {
    return out << "(" << hls.hue << ", " << hls.saturation << ", " << hls.lightness << ")";
}

Hls ToHls(short red, short green, short blue) {
    Hls hls{-1, -1, -1};
    RgbToHls(red, green, blue, hls.hue, hls.saturation, hls.lightness);
    return hls;
}

struct WorkedColour {
    const char* name;
    short red, green, blue;
    Hls hls;
};

constexpr WorkedColour kWorked[] = {
    {"grey", 128, 128, 128, {666, 0, 502}},
    {"black", 0, 0, 0, {666, 0, 0}},
    {"white", 255, 255, 255, {666, 0, 1000}},
    {"red", 255, 0, 0, {0, 1000, 500}},
    {"yellow: red and green share the maximum", 255, 255, 0, {166, 1000, 500}},
    {"green", 0, 255, 0, {333, 1000, 500}},
    {"blue", 0, 0, 255, {666, 1000, 500}},
    {"magenta", 255, 0, 255, {834, 1000, 500}},
    {"orange", 255, 128, 0, {83, 1000, 500}},
    {"hue wraps below 0", 255, 0, 1, {999, 1000, 500}},
    {"dark: room is max + min", 100, 50, 50, {0, 333, 294}},
    {"light: room is 510 - max - min", 200, 100, 100, {0, 476, 588}},
};

TEST(ColorHls, WorkedColours) {
    for (const WorkedColour& w : kWorked) {
        EXPECT_EQ(ToHls(w.red, w.green, w.blue), w.hls) << w.name;
    }
}

// A data file may hold any 16-bit channel: no division by zero, no overflow (the sanitizers
// watch), a hue still on its circle.
TEST(ColorHls, ChannelsOutsideTheByteRange) {
    EXPECT_EQ(ToHls(5, -5, 0).saturation, 1000) << "max + min = 0 leaves no room";
    EXPECT_EQ(ToHls(300, 210, 255).saturation, 1000) << "max + min = 510 leaves no room";
    EXPECT_EQ(ToHls(32767, 32767, 32767), (Hls{666, 0, 32767})) << "lightness clamped";
    EXPECT_EQ(ToHls(-32768, -32768, -32768), (Hls{666, 0, -32768})) << "lightness clamped low";
    const std::vector<short> channels = {-32768, -256, -1, 0, 1, 254, 255, 256, 510, 32767};
    for (const short r : channels) {
        for (const short g : channels) {
            for (const short b : channels) {
                const Hls hls = ToHls(r, g, b);
                EXPECT_TRUE(hls.hue >= 0 && hls.hue <= 999) << r << "," << g << "," << b;
            }
        }
    }
}

}  // namespace
