#include "catalogue/ContrastRatio.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kChannelLevels = 256;

// A channel's share of the light, sRGB decoded. Kept in a table: the readable-colour search asks
// for millions of luminances, and the table gives every caller the same bits.
const std::array<double, kChannelLevels>& LinearChannels() {
    static const auto table = [] {
        std::array<double, kChannelLevels> linear{};
        for (int level = 0; level < kChannelLevels; ++level) {
            const double c = level / 255.0;
            linear[level] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return linear;
    }();
    return table;
}

}  // namespace

double LinearChannel(int level) { return LinearChannels()[static_cast<std::size_t>(level & 0xFF)]; }

double RelativeLuminance(HsColor color) {
    const auto& linear = LinearChannels();
    return kLuminanceFromRed * linear[RedOf(color)] + kLuminanceFromGreen * linear[GreenOf(color)] +
           kLuminanceFromBlue * linear[BlueOf(color)];
}

double ContrastRatioOfLuminances(double first, double second) {
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

double ContrastRatio(HsColor first, HsColor second) {
    return ContrastRatioOfLuminances(RelativeLuminance(first), RelativeLuminance(second));
}

std::string FormatContrastRatio(double ratio) {
    constexpr double kHundredths = 100.0;
    // Cut off, never rounded up: 4.4999 reads 4.49, as it fails 4.5. The product can round up to
    // the next whole hundredth; the fused remainder is exact, so its sign says when it did.
    double hundredths = std::floor(ratio * kHundredths);
    if (std::fma(ratio, kHundredths, -hundredths) < 0) hundredths -= 1;
    const long long whole = static_cast<long long>(hundredths);
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld : 1", whole / 100, whole % 100);
    return text;
}

// Judged on the ratio itself, not on the two decimals shown.
ContrastVerdicts ContrastVerdictsFor(double ratio) {
    return {ratio >= kAaNormalRatio, ratio >= kAaLargeRatio, ratio >= kAaaNormalRatio,
            ratio >= kAaaLargeRatio};
}
