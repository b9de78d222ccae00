#!/usr/bin/env python3
"""Draws the uninstaller's icon: a kestrel's wing over a box, in 16 and 32 pixels.

Writes uninstall.ico (32-bit BMP images with alpha and an AND mask). Run it
again only when the drawing changes; the icon file is kept in the repository.
"""
import math
import struct
import sys


def pixel(size, x, y):
    # Work in a unit square so that every size shows the same drawing.
    u = (x + 0.5) / size
    v = (y + 0.5) / size
    # Box: a rounded square in slate blue, lower part of the icon.
    inside_box = 0.14 <= u <= 0.86 and 0.42 <= v <= 0.90
    # Wing: a crescent in rust red, sweeping over the box.
    d1 = math.hypot(u - 0.50, v - 0.62)
    d2 = math.hypot(u - 0.58, v - 0.74)
    wing = d1 < 0.46 and d2 > 0.40 and v < 0.66
    # Arrow out of the box: the product leaving.
    arrow = abs(u - 0.50) < 0.06 and 0.50 <= v <= 0.80 or (
        v >= 0.46 and v <= 0.60 and abs(u - 0.50) <= (0.60 - v) * 1.2)
    if wing:
        return (0xB8, 0x4A, 0x1E, 0xFF)
    if inside_box:
        if arrow:
            return (0xF4, 0xF1, 0xE8, 0xFF)
        edge = min(u - 0.14, 0.86 - u, v - 0.42, 0.90 - v)
        shade = 0x3A if edge > 0.04 else 0x28
        return (shade, 0x5A, 0x7E, 0xFF)
    return (0, 0, 0, 0)


def image(size):
    rows = []
    mask_rows = []
    for y in reversed(range(size)):  # bottom-up, as BMP wants
        row = b""
        bits = 0
        mask = b""
        for x in range(size):
            r, g, b, a = pixel(size, x, y)
            row += struct.pack("BBBB", b, g, r, a)
            bits = (bits << 1) | (0 if a else 1)
            if x % 8 == 7:
                mask += struct.pack("B", bits)
                bits = 0
        while len(mask) % 4:
            mask += b"\0"
        rows.append(row)
        mask_rows.append(mask)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + b"".join(mask_rows)


def main(path):
    sizes = [16, 32]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "uninstall.ico")
