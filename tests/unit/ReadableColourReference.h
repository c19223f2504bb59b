// Every one of the 16,777,216 colours tried: the reference the readable-colour search is checked
// against (and timed beside).
#pragma once

#include <cmath>
#include <optional>

#include "catalogue/ColorLab.h"
#include "catalogue/ContrastRatio.h"

// Colours come in red, green, blue order, so keeping only a strictly nearer one leaves the lowest
// at equal distances.
inline std::optional<HsColor> ExhaustiveReadableColour(HsColor edited, HsColor other,
                                                       double level) {
    if (ContrastRatio(edited, other) >= level) return edited;
    double eL = 0, eA = 0, eB = 0, L = 0, a = 0, b = 0, best = HUGE_VAL;
    RgbToLab(RedOf(edited), GreenOf(edited), BlueOf(edited), eL, eA, eB);
    std::optional<HsColor> found;
    for (int rgb = 0; rgb < 1 << 24; ++rgb) {
        const short red = rgb >> 16, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
        if (ContrastRatio(PackColor(red, green, blue), other) < level) continue;
        RgbToLab(red, green, blue, L, a, b);
        const double dB = b - eB, dA = a - eA, dL = L - eL;
        const double distance = std::sqrt(dB * dB + dA * dA + dL * dL);
        if (distance < best) {
            best = distance;
            found = PackColor(red, green, blue);
        }
    }
    return found;
}
