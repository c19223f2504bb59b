// The L*a*b*-style space in which the nearest named colour is measured.
#pragma once

// Channels enter unscaled (0-255, not 0-1), so L runs to about 727; the values only serve to
// compare distances.
void RgbToLab(short red, short green, short blue, double& L, double& a, double& b);
