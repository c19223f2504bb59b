#include "catalogue/ColorHls.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// 64 bits throughout: a data file may hold any 16-bit channel, and 1000 x (max + min) or
// 1000 x (max - min) of such channels leaves int's comfortable range.
using Wide = std::int64_t;

constexpr Wide kChannelMax = 255;
constexpr Wide kHalfScale = kHlsScale / 2;
constexpr Wide kHueSixth = 166;       // 1000 / 6, truncated as the hue table is
constexpr Wide kHueThird = 333;
constexpr Wide kHueTwoThirds = 666;

short ClampToShort(Wide value) {
    return static_cast<short>(std::clamp<Wide>(value, std::numeric_limits<short>::min(),
                                               std::numeric_limits<short>::max()));
}

// How far the channel falls below the maximum, in sixths of the circle, to the nearest unit.
Wide HueOffset(Wide channel, Wide max, Wide diff) {
    return (diff / 2 + kHueSixth * (max - channel)) / diff;
}

}  // namespace

// Integer arithmetic with division truncating toward zero, as the family windows were chosen on.
void RgbToHls(short red, short green, short blue, short& hue, short& saturation,
              short& lightness) {
    const Wide r = red;
    const Wide g = green;
    const Wide b = blue;
    const Wide max = std::max({r, g, b});
    const Wide min = std::min({r, g, b});
    const Wide light = (kHlsScale * (max + min) + kChannelMax) / (2 * kChannelMax);
    lightness = ClampToShort(light);
    if (max == min) {
        saturation = 0;
        hue = kGreyHue;
        return;
    }
    const Wide diff = max - min;
    const Wide room = light <= kHalfScale ? max + min : 2 * kChannelMax - max - min;
    // No room is left only by channels outside 0-255 (say -5 and 5); such a colour still has a
    // spread, so it counts as fully saturated rather than dividing by zero.
    saturation = room == 0 ? kHlsScale : ClampToShort((kHlsScale * diff + room / 2) / room);

    const Wide rd = HueOffset(r, max, diff);
    const Wide gd = HueOffset(g, max, diff);
    const Wide bd = HueOffset(b, max, diff);
    // Red is tested first, so a colour whose red and green share the maximum takes red's formula.
    Wide h = 0;
    if (r == max) {
        h = bd - gd;
    } else if (g == max) {
        h = kHueThird + rd - bd;
    } else {
        h = kHueTwoThirds + gd - rd;
    }
    if (h < 0) h += kHlsScale;
    hue = static_cast<short>(h);
}
