// The WCAG 2.2 contrast ratio of two colours and the levels it is judged against.
#pragma once

#include <string>

#include "catalogue/HsColor.h"

constexpr double kAaNormalRatio = 4.5;
constexpr double kAaLargeRatio = 3.0;
constexpr double kAaaNormalRatio = 7.0;
constexpr double kAaaLargeRatio = 4.5;

// A channel's weight in relative luminance (linear sRGB).
constexpr double kLuminanceFromRed = 0.2126;
constexpr double kLuminanceFromGreen = 0.7152;
constexpr double kLuminanceFromBlue = 0.0722;

// A channel (0-255) sRGB decoded: its share of the light, 0-1.
double LinearChannel(int level);
double RelativeLuminance(HsColor color);
// The lighter luminance over the darker, each plus 0.05.
double ContrastRatioOfLuminances(double first, double second);
// The lighter colour's luminance over the darker's, each plus 0.05: 1 to 21, whatever the order.
double ContrastRatio(HsColor first, HsColor second);
// "4.47 : 1": two decimals, cut off.
std::string FormatContrastRatio(double ratio);

struct ContrastVerdicts {
    bool aaNormal;
    bool aaLarge;
    bool aaaNormal;
    bool aaaLarge;
};
ContrastVerdicts ContrastVerdictsFor(double ratio);
