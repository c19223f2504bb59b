// Hue, lightness and saturation on a 0-1000 integer scale, as the colour-family filter uses them.
#pragma once

constexpr short kHlsScale = 1000;          // top of the saturation and lightness scales
constexpr short kGreyHue = 666;            // what a colour without hue (red = green = blue) gets
constexpr short kLowSaturationMax = 149;   // black, white and grey: saturation up to this

// Hue 0-999 around the colour circle (red 0, green 333, blue 666). Channels outside 0-255 give
// finite results clamped to 16 bits.
void RgbToHls(short red, short green, short blue, short& hue, short& saturation, short& lightness);
