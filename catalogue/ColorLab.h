// The L*a*b*-style space in which the nearest named colour is measured.
#pragma once

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
