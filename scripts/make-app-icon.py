#!/usr/bin/env python3
"""Draws the program's icon, a crescent moon and stars on a night-blue tile, into an .ico
with 16, 32 and 48 pixel images (32-bit, with alpha). Usage: make-app-icon.py OUT.ico"""
import math
import struct
import sys


def pixel(size, x, y):
    """BGRA of the pixel centre (x + 0.5, y + 0.5) in a size x size image."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    # Rounded tile: corner radius 0.18 of the size.
    r = 0.18
    cx, cy = min(max(u, r), 1 - r), min(max(v, r), 1 - r)
    if math.hypot(u - cx, v - cy) > r:
        return (0, 0, 0, 0)
    # Crescent: a disc minus a shifted disc.
    in_moon = math.hypot(u - 0.45, v - 0.52) < 0.30 and math.hypot(u - 0.58, v - 0.42) >= 0.26
    if in_moon:
        return (90, 220, 250, 255)
    for sx, sy, sr in ((0.78, 0.24, 0.05), (0.70, 0.72, 0.035), (0.28, 0.20, 0.03)):
        if abs(u - sx) + abs(v - sy) < sr:
            return (255, 255, 255, 255)
    shade = int(90 + 60 * v)
    return (shade, int(shade * 0.35), 20, 255)


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up rows
        rows.append(b"".join(struct.pack("4B", *pixel(size, x, y)) for x in range(size)))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytes(mask_row * size)  # alpha decides transparency
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(out):
    sizes = (16, 32, 48)
    images = [image(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, "wb") as f:
        f.write(data + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
