#include "catalogue/ReadableColour.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <queue>
#include <vector>

#include "catalogue/ColorLab.h"
#include "catalogue/ContrastRatio.h"

namespace {

constexpr int kMaxChannel = 255;
// pow is not promised to be monotone to the last bit; taking this much off a box's bound keeps it
// below every distance inside, at the cost of opening a few more boxes.
constexpr double kBoundSlack = 1e-9;

struct Lab {
    double L;
    double a;
    double b;
};

Lab LabOf(short red, short green, short blue) {
    Lab lab{};
    RgbToLab(red, green, blue, lab.L, lab.a, lab.b);
    return lab;
}

double Distance(const Lab& from, const Lab& to) { return LabDistance(to.L, to.a, to.b, from.L, from.a, from.b); }

// How far `value` lies outside [low, high]; the same subtraction as the distance makes, so it is
// never more than any value inside gives.
double GapOutside(double value, double low, double high) {
    if (value < low) return low - value;
    if (value > high) return value - high;
    return 0.0;
}

using Rgb = std::array<std::uint8_t, 3>;  // red, green, blue

// A box of the RGB cube: channels lo[i] to hi[i].
struct Box {
    double bound;  // no colour inside is nearer than this
    Rgb lo;
    Rgb hi;
};
struct FartherBound {
    bool operator()(const Box& x, const Box& y) const { return x.bound > y.bound; }
};

HsColor CornerColor(const Rgb& corner) { return PackColor(corner[0], corner[1], corner[2]); }

class CReadableSearch {
public:
    CReadableSearch(HsColor edited, HsColor other, double minimumRatio)
        : m_edited(LabOf(RedOf(edited), GreenOf(edited), BlueOf(edited))),
          m_other(other),
          m_minimumRatio(minimumRatio) {}

    // Best first: the box that could hold the nearest colour is split until single colours remain.
    // A box whose bound equals the best is still opened, for the lowest-RGB rule.
    std::optional<HsColor> Run() {
        Offer({0, 0, 0}, {kMaxChannel, kMaxChannel, kMaxChannel});
        while (!m_open.empty() && !(m_open.top().bound > m_bestDistance)) {
            const Box box = m_open.top();
            m_open.pop();
            if (box.lo == box.hi) {
                Consider(box.lo);
                continue;
            }
            int side = 0;
            for (int i = 1; i < 3; ++i) {
                if (box.hi[i] - box.lo[i] > box.hi[side] - box.lo[side]) side = i;
            }
            const auto middle = static_cast<std::uint8_t>((box.lo[side] + box.hi[side]) / 2);
            auto lowerHi = box.hi;
            lowerHi[side] = middle;
            auto upperLo = box.lo;
            upperLo[side] = static_cast<std::uint8_t>(middle + 1);
            Offer(box.lo, lowerHi);
            Offer(upperLo, box.hi);
        }
        return m_best;
    }

private:
    // The ratio is V-shaped in luminance and luminance rises with each channel, so the darkest and
    // the lightest corner hold the box's highest ratio.
    bool CanReach(const Rgb& lo, const Rgb& hi) const {
        return std::max(ContrastRatio(CornerColor(lo), m_other),
                        ContrastRatio(CornerColor(hi), m_other)) >= m_minimumRatio;
    }

    // X, Y and Z rise with each channel and the curve rises with them, so L, a and b inside the box
    // lie between values made from the two corners' curves.
    double LowerBound(const Rgb& lo, const Rgb& hi) const {
        const LabCurves low = LabCurvesOf(lo[0], lo[1], lo[2]);
        const LabCurves high = LabCurvesOf(hi[0], hi[1], hi[2]);
        const double gB =
            GapOutside(m_edited.b, LabBFrom(low.fY, high.fZ), LabBFrom(high.fY, low.fZ));
        const double gA =
            GapOutside(m_edited.a, LabAFrom(low.fX, high.fY), LabAFrom(high.fX, low.fY));
        const double gL = GapOutside(m_edited.L, LabLFrom(low.fY), LabLFrom(high.fY));
        return std::max(0.0, std::sqrt(gB * gB + gA * gA + gL * gL) - kBoundSlack);
    }

    void Offer(const Rgb& lo, const Rgb& hi) {
        if (!CanReach(lo, hi)) return;
        const double bound = LowerBound(lo, hi);
        if (bound > m_bestDistance) return;
        m_open.push({bound, lo, hi});
    }

    void Consider(const Rgb& rgb) {
        const double distance = Distance(m_edited, LabOf(rgb[0], rgb[1], rgb[2]));
        const bool lowerRgb = m_best && rgb < m_bestRgb;
        if (distance < m_bestDistance || (distance == m_bestDistance && lowerRgb)) {
            m_bestDistance = distance;
            m_bestRgb = rgb;
            m_best = CornerColor(rgb);
        }
    }

    Lab m_edited;
    HsColor m_other;
    double m_minimumRatio;
    std::priority_queue<Box, std::vector<Box>, FartherBound> m_open;
    double m_bestDistance = HUGE_VAL;
    Rgb m_bestRgb{};
    std::optional<HsColor> m_best;
};

}  // namespace

std::optional<HsColor> NearestReadableColour(HsColor edited, HsColor other, double minimumRatio) {
    if (ContrastRatio(edited, other) >= minimumRatio) return edited;
    return CReadableSearch(edited, other, minimumRatio).Run();
}
