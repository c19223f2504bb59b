// Colours as people with a colour-vision deficiency see them, for judging a pair's contrast.
// Platform-free, tested natively.
#pragma once

#include <array>
#include <vector>

#include "catalogue/HsColor.h"

enum class ColourVision { Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
inline constexpr std::array kSimulatedVisions = {ColourVision::Protanopia, ColourVision::Deuteranopia,
                                                 ColourVision::Tritanopia, ColourVision::Achromatopsia};

// Linear sRGB: each channel's share of the light, 0-1 for a colour on the screen.
struct LinearRgb {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
};

LinearRgb LinearRgbOf(HsColor color);

// The three dichromacies by Brettel, Viénot and Mollon (1997); achromatopsia as the colour's
// relative luminance in grey. The result may lie a little outside the screen's range.
LinearRgb SimulateVision(const LinearRgb& color, ColourVision vision);

// The WCAG contrast ratio of the pair as seen with the deficiency, each colour cut to the screen's
// range first.
double SimulatedContrastRatio(HsColor first, HsColor second, ColourVision vision);

// A simulated colour as the screen shows it: cut to the screen's range, sRGB encoded, rounded.
HsColor ColourOf(const LinearRgb& color);

// The visions for which the pair misses the required ratio though it reaches it for normal vision;
// none when normal vision misses it too.
std::vector<ColourVision> VisionsFailingAlone(HsColor first, HsColor second, double required);
