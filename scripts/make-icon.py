#!/usr/bin/env python3
"""Writes res/Huesmith.ico: a hue wheel on a white tile, as 48x48, 32x32, 24x24 and 16x16 images
(the large and small icon sizes at 100 % and 150 %).

All images are 8-bit (256-colour) BMP-format icon images with AND masks, the format the oldest
shell and the resource compiler both take. The picture is computed, not drawn, so that it can be
regenerated exactly: run this script after changing it and commit the .ico beside it.
Standard library only.
"""

import math
import pathlib
import struct

WHITE = (255, 255, 255)
TILE_EDGE = (150, 150, 150)
WHEEL_EDGE = (80, 80, 80)

# Saturation of each ring of the wheel, outermost last; the centre stays white.
RINGS_32 = ((0.30, 0.35), (0.55, 0.70), (0.80, 1.00))
RINGS_16 = ((0.35, 0.50), (0.70, 1.00))
HUE_SECTORS = 12


def hsv_to_rgb(hue_deg, sat):
    """Full-value HSV to an RGB tuple of 0..255 channels."""
    h = (hue_deg % 360.0) / 60.0
    i = int(h)
    f = h - i
    p, q, t = 1.0 - sat, 1.0 - sat * f, 1.0 - sat * (1.0 - f)
    r, g, b = [(1, t, p), (q, 1, p), (p, 1, t), (p, q, 1), (t, p, 1), (1, p, q)][i % 6]
    return tuple(round(c * 255) for c in (r, g, b))


def inside_rounded_tile(x, y, size, radius):
    """Whether pixel (x, y) lies on the tile: a square with rounded corners filling the image."""
    cx = min(max(x + 0.5, radius), size - radius)
    cy = min(max(y + 0.5, radius), size - radius)
    return math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius


def render(size, rings):
    """The image as rows (top row first) of RGB tuples, None where the icon is transparent."""
    corner = size / 8
    centre = size / 2
    wheel_radius = size / 2 - size / 8 - 0.5
    image = []
    for y in range(size):
        row = []
        for x in range(size):
            if not inside_rounded_tile(x, y, size, corner):
                row.append(None)
                continue
            if not all(
                inside_rounded_tile(nx, ny, size, corner)
                for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))
            ):
                row.append(TILE_EDGE)
                continue
            dx, dy = x + 0.5 - centre, y + 0.5 - centre
            distance = math.hypot(dx, dy) / wheel_radius
            if distance > 1.0 + 1.0 / wheel_radius:
                row.append(WHITE)
            elif distance > 1.0:
                row.append(WHEEL_EDGE)
            else:
                # Clockwise from the top, red first, snapped to sectors so that each swatch is flat.
                angle = math.degrees(math.atan2(dx, -dy)) % 360.0
                hue = round(angle / (360.0 / HUE_SECTORS)) * (360.0 / HUE_SECTORS)
                sat = 0.0
                for start, ring_sat in rings:
                    if distance >= start:
                        sat = ring_sat
                row.append(hsv_to_rgb(hue, sat))
        image.append(row)
    return image


def icon_image(rows, palette):
    """One BMP-format icon image: header, palette, XOR bitmap and AND mask, rows bottom-up."""
    size = len(rows)
    xor_stride = (size + 3) // 4 * 4
    and_stride = ((size + 31) // 32) * 4
    xor_bits = bytearray()
    and_bits = bytearray()
    for row in reversed(rows):
        xor_row = bytearray(xor_stride)
        and_row = bytearray(and_stride)
        for x, colour in enumerate(row):
            if colour is None:
                and_row[x // 8] |= 0x80 >> (x % 8)  # transparent: screen shows through
            else:
                xor_row[x] = palette.index(colour)
        xor_bits += xor_row
        and_bits += and_row
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(xor_bits) + len(and_bits), 0, 0, 256, 0
    )
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + quads + bytes(xor_bits) + bytes(and_bits)


def build_icon():
    images = [render(48, RINGS_32), render(32, RINGS_32), render(24, RINGS_16), render(16, RINGS_16)]
    # One shared palette; entry 0 is black, the colour transparent pixels carry in the XOR bitmap.
    colours = sorted({c for image in images for row in image for c in row if c is not None})
    palette = [(0, 0, 0)] + [c for c in colours if c != (0, 0, 0)]
    if len(palette) > 256:
        raise SystemExit(f"make-icon: {len(palette)} colours do not fit a 256-colour palette")
    palette += [(0, 0, 0)] * (256 - len(palette))

    blobs = [icon_image(image, palette) for image in images]
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    offset = len(directory) + 16 * len(blobs)
    entries = b""
    for image, blob in zip(images, blobs):
        size = len(image)
        # A colour count of 0 stands for 256 or more colours.
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(blob), offset)
        offset += len(blob)
    return directory + entries + b"".join(blobs)


def main():
    target = pathlib.Path(__file__).resolve().parent.parent / "res" / "Huesmith.ico"
    target.write_bytes(build_icon())
    print(f"make-icon: wrote {target}")


if __name__ == "__main__":
    main()
