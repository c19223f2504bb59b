#include "catalogue/ColourVision.h"

#include <algorithm>
#include <cmath>

#include "catalogue/ContrastRatio.h"

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

constexpr Vector Apply(const Matrix& m, const Vector& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

constexpr Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix product{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) product[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    }
    return product;
}

constexpr Vector Cross(const Vector& u, const Vector& v) {
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

constexpr double Dot(const Vector& u, const Vector& v) { return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]; }

// By cofactors: the rows of the inverse's transpose are the cross products of the columns.
constexpr Matrix Inverse(const Matrix& m) {
    const Vector c0{m[0][0], m[1][0], m[2][0]};
    const Vector c1{m[0][1], m[1][1], m[2][1]};
    const Vector c2{m[0][2], m[1][2], m[2][2]};
    const Vector r0 = Cross(c1, c2);
    const Vector r1 = Cross(c2, c0);
    const Vector r2 = Cross(c0, c1);
    const double determinant = Dot(c0, r0);
    return {{{r0[0] / determinant, r0[1] / determinant, r0[2] / determinant},
             {r1[0] / determinant, r1[1] / determinant, r1[2] / determinant},
             {r2[0] / determinant, r2[1] / determinant, r2[2] / determinant}}};
}

// Linear sRGB to CIE XYZ, D65: IEC 61966-2-1:1999 (sRGB), its four-decimal matrix.
constexpr Matrix kXyzFromRgb = {{{0.4124, 0.3576, 0.1805}, {0.2126, 0.7152, 0.0722}, {0.0193, 0.1192, 0.9505}}};
// CIE XYZ (Judd-Vos) to the Smith and Pokorny (1975) cone fundamentals, as Viénot, Brettel and
// Mollon give it ("Digital video colourmaps for checking the legibility of displays by
// dichromats", Color Research and Application 24(4), 1999), the same cones Brettel et al. used.
constexpr Matrix kLmsFromXyz = {{{0.15514, 0.54312, -0.03286}, {-0.15514, 0.45684, 0.03286}, {0.0, 0.0, 0.00801}}};
constexpr Matrix kLmsFromRgb = Multiply(kLmsFromXyz, kXyzFromRgb);
constexpr Matrix kRgbFromLms = Inverse(kLmsFromRgb);

// The stimuli Brettel, Viénot and Mollon ("Computerized simulation of color appearance for
// dichromats", JOSA A 14(10), 1997) anchor the dichromats' half-planes to: the monochromatic lights
// that a dichromat sees as a normal observer does (475 and 575 nm for protanopes and deuteranopes,
// 485 and 660 nm for tritanopes), as CIE 1931 XYZ (the 2-degree colour-matching functions at those
// wavelengths), and a white. The white is the screen's own (sRGB's, D65), as Viénot et al. (1999)
// took it, rather than the paper's equal-energy white, a few per cent off: so greys stay grey.
constexpr Vector kScreenWhiteRgb = {1.0, 1.0, 1.0};
constexpr Vector k475NmXyz = {0.1421, 0.1126, 1.0419};
constexpr Vector k485NmXyz = {0.05795, 0.1693, 0.6162};
constexpr Vector k575NmXyz = {0.8425, 0.9154, 0.0018};
constexpr Vector k660NmXyz = {0.1649, 0.061, 0.0};

// A dichromat's two half-planes in cone space, each through the white and one anchor; which one
// a colour falls on is decided by the plane through the white and the missing cone's axis.
struct Dichromacy {
    int missing;       // the cone the dichromat lacks: 0 L, 1 M, 2 S
    Vector nearPlane;  // normal of the half-plane of the anchor on the separating plane's positive side
    Vector farPlane;
    Vector separation;
};

constexpr Dichromacy MakeDichromacy(int missing, const Vector& anchorXyz, const Vector& otherAnchorXyz) {
    const Vector white = Apply(kLmsFromRgb, kScreenWhiteRgb);
    const Vector anchor = Apply(kLmsFromXyz, anchorXyz);
    const Vector other = Apply(kLmsFromXyz, otherAnchorXyz);
    Vector axis{};
    axis[missing] = 1.0;
    Vector separation = Cross(white, axis);
    if (Dot(separation, anchor) < 0) separation = {-separation[0], -separation[1], -separation[2]};
    return {missing, Cross(white, anchor), Cross(white, other), separation};
}

constexpr Dichromacy kProtanopia = MakeDichromacy(0, k475NmXyz, k575NmXyz);
constexpr Dichromacy kDeuteranopia = MakeDichromacy(1, k475NmXyz, k575NmXyz);
constexpr Dichromacy kTritanopia = MakeDichromacy(2, k485NmXyz, k660NmXyz);

// The missing cone's response replaced by the one that puts the colour on its half-plane: the
// two cones left respond as before.
LinearRgb Dichromat(const LinearRgb& color, const Dichromacy& d) {
    // A grey lies on the white's axis, which both half-planes hold: it is seen as it is. Through the
    // matrices white would come back a rounding error short and read 20.99 : 1 against black.
    if (color.red == color.green && color.green == color.blue) return color;
    Vector cones = Apply(kLmsFromRgb, {color.red, color.green, color.blue});
    const Vector& plane = Dot(cones, d.separation) >= 0 ? d.nearPlane : d.farPlane;
    const int a = (d.missing + 1) % 3;
    const int b = (d.missing + 2) % 3;
    cones[d.missing] = -(plane[a] * cones[a] + plane[b] * cones[b]) / plane[d.missing];
    const Vector rgb = Apply(kRgbFromLms, cones);
    return {rgb[0], rgb[1], rgb[2]};
}

double Luminance(const LinearRgb& color) {
    const auto onScreen = [](double channel) { return std::clamp(channel, 0.0, 1.0); };
    return kLuminanceFromRed * onScreen(color.red) + kLuminanceFromGreen * onScreen(color.green) +
           kLuminanceFromBlue * onScreen(color.blue);
}

}  // namespace

LinearRgb LinearRgbOf(HsColor color) {
    return {LinearChannel(RedOf(color)), LinearChannel(GreenOf(color)), LinearChannel(BlueOf(color))};
}

LinearRgb SimulateVision(const LinearRgb& color, ColourVision vision) {
    switch (vision) {
    case ColourVision::Protanopia: return Dichromat(color, kProtanopia);
    case ColourVision::Deuteranopia: return Dichromat(color, kDeuteranopia);
    case ColourVision::Tritanopia: return Dichromat(color, kTritanopia);
    case ColourVision::Achromatopsia: break;
    }
    const double grey = Luminance(color);
    return {grey, grey, grey};
}

double SimulatedContrastRatio(HsColor first, HsColor second, ColourVision vision) {
    return ContrastRatioOfLuminances(Luminance(SimulateVision(LinearRgbOf(first), vision)),
                                     Luminance(SimulateVision(LinearRgbOf(second), vision)));
}

HsColor ColourOf(const LinearRgb& color) {
    const auto encoded = [](double channel) {
        const double c = std::clamp(channel, 0.0, 1.0);
        const double level = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
        return static_cast<short>(std::lround(level * 255.0));
    };
    return PackColor(encoded(color.red), encoded(color.green), encoded(color.blue));
}

std::vector<ColourVision> VisionsFailingAlone(HsColor first, HsColor second, double required) {
    std::vector<ColourVision> failing;
    if (ContrastRatio(first, second) < required) return failing;
    for (const ColourVision vision : kSimulatedVisions) {
        if (SimulatedContrastRatio(first, second, vision) < required) failing.push_back(vision);
    }
    return failing;
}
