#include "catalogue/ColorLab.h"

#include <cmath>

namespace {

// The coefficients, their order and pow with a decimal third (not cbrt) are kept exactly as the
// program has always computed them: a changed last bit can change which name is nearest.
double LabCurve(double t) {
    return t > 0.008856 ? std::pow(t, 0.3333333333333333) : 7.787 * t + 0.13793103448275862;
}

}  // namespace

LabCurves LabCurvesOf(short red, short green, short blue) {
    const double R = red;
    const double G = green;
    const double B = blue;
    // Scaled by the reference white's X and Z: 1/0.98072 and 1/1.18225.
    const double X = (0.2 * B + 0.607 * R + 0.174 * G) * 1.0196590260216982;
    const double Y = 0.587 * G + 0.299 * R + 0.144 * B;
    const double Z = (1.112 * B + 0.066 * G) * 0.8458447874814972;
    return {LabCurve(X), LabCurve(Y), LabCurve(Z)};
}

double LabLFrom(double fY) { return 116.0 * fY - 16.0; }
double LabAFrom(double fX, double fY) { return 500.0 * (fX - fY); }
double LabBFrom(double fY, double fZ) { return 200.0 * (fY - fZ); }

void RgbToLab(short red, short green, short blue, double& L, double& a, double& b) {
    const LabCurves f = LabCurvesOf(red, green, blue);
    L = LabLFrom(f.fY);
    a = LabAFrom(f.fX, f.fY);
    b = LabBFrom(f.fY, f.fZ);
}
