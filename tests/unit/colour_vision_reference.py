#!/usr/bin/env python3
"""The colour-vision test's expected values, worked out apart from the program: Brettel, Viénot and
Mollon (1997) in linear sRGB, in plain Python, from the same published data the program uses
(sRGB to XYZ: IEC 61966-2-1; XYZ to the Smith and Pokorny cones: Viénot, Brettel and Mollon 1999;
the anchors' XYZ: the CIE 1931 2-degree colour-matching functions; the screen's white as neutral).
Prints each test colour's simulations, protanopia, deuteranopia, tritanopia and greyscale."""


def product(a, b):
    return [[sum(a[i][k] * b[k][j] for k in range(3)) for j in range(3)] for i in range(3)]


def applied(m, v):
    return [sum(m[i][k] * v[k] for k in range(3)) for i in range(3)]


def inverse(m):
    (a, b, c), (d, e, f), (g, h, i) = m
    det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g)
    return [[(e * i - f * h) / det, (c * h - b * i) / det, (b * f - c * e) / det],
            [(f * g - d * i) / det, (a * i - c * g) / det, (c * d - a * f) / det],
            [(d * h - e * g) / det, (b * g - a * h) / det, (a * e - b * d) / det]]


def cross(u, v):
    return [u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]]


def dot(u, v):
    return sum(a * b for a, b in zip(u, v))


XYZ_FROM_RGB = [[0.4124, 0.3576, 0.1805], [0.2126, 0.7152, 0.0722], [0.0193, 0.1192, 0.9505]]
LMS_FROM_XYZ = [[0.15514, 0.54312, -0.03286], [-0.15514, 0.45684, 0.03286], [0.0, 0.0, 0.00801]]
LMS_FROM_RGB = product(LMS_FROM_XYZ, XYZ_FROM_RGB)
RGB_FROM_LMS = inverse(LMS_FROM_RGB)
CMF = {475: [0.1421, 0.1126, 1.0419], 485: [0.05795, 0.1693, 0.6162],
       575: [0.8425, 0.9154, 0.0018], 660: [0.1649, 0.061, 0.0]}
WHITE = applied(LMS_FROM_RGB, [1, 1, 1])
DICHROMACIES = [(0, 475, 575), (1, 475, 575), (2, 485, 660)]


def dichromat(rgb, missing, near, far):
    q = applied(LMS_FROM_RGB, rgb)
    axis = [0, 0, 0]
    axis[missing] = 1
    separation = cross(WHITE, axis)
    anchor = applied(LMS_FROM_XYZ, CMF[near])
    side = dot(q, separation) * dot(anchor, separation)
    n = cross(WHITE, anchor if side >= 0 else applied(LMS_FROM_XYZ, CMF[far]))
    rest = [i for i in range(3) if i != missing]
    q[missing] = -(n[rest[0]] * q[rest[0]] + n[rest[1]] * q[rest[1]]) / n[missing]
    return applied(RGB_FROM_LMS, q)


def linear(level):
    c = level / 255.0
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def grey(rgb):
    y = sum(w * min(max(c, 0.0), 1.0) for w, c in zip([0.2126, 0.7152, 0.0722], rgb))
    return [y, y, y]


for colour in [(255, 0, 0), (0, 255, 0), (0, 0, 255), (128, 128, 128), (51, 102, 204)]:
    rgb = [linear(c) for c in colour]
    views = [dichromat(rgb, *d) for d in DICHROMACIES] + [grey(rgb)]
    print(colour, ' '.join('{%s}' % ', '.join('%.5f' % c for c in v) for v in views))
