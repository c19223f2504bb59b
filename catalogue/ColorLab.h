// The L*a*b*-style space in which the nearest named colour is measured.
#pragma once

#include <cmath>

// Channels enter unscaled (0-255, not 0-1), so L runs to about 727; the values only serve to
// compare distances.
void RgbToLab(short red, short green, short blue, double& L, double& a, double& b);

// The curve applied to X, Y and Z, and L, a and b made from it: RgbToLab is exactly these steps.
// Each step is non-decreasing in each channel or curve value, so values at a box's corners bound
// the values inside it.
struct LabCurves {
    double fX;
    double fY;
    double fZ;
};
LabCurves LabCurvesOf(short red, short green, short blue);
double LabLFrom(double fY);
double LabAFrom(double fX, double fY);
double LabBFrom(double fY, double fZ);

// The program's colour distance between two of its Lab values. Differences as (record - given)
// and summed b, a, L: every search that must agree with the nearest-name search uses this.
inline double LabDistance(double toL, double toA, double toB, double fromL, double fromA, double fromB) {
    const double dB = toB - fromB;
    const double dA = toA - fromA;
    const double dL = toL - fromL;
    return std::sqrt(dB * dB + dA * dA + dL * dL);
}
