#!/usr/bin/env python3
"""Draws tq58's icon: three parallel lines that turn a corner with rounded arcs.

Writes a 16 x 16, 16-colour (4 bits per pixel) .ico with a transparency mask. The icon is
checked in; run this only to change it:  python3 tools/icon/make_icon.py src/ui/win32/tq58.ico
"""
import math
import struct
import sys

SIZE = 16
# The 16 standard colours of a 4-bit icon; index 0 is black, 15 white.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
NAVY, RED, GREY = 4, 9, 8

# The corner's centre, in pixel coordinates (x right, y down); each line runs left to right
# along the top, turns down around the centre with its own radius, and runs to the bottom.
CENTRE = (4.5, 11.5)
LINES = [(10.0, NAVY), (7.0, RED), (4.0, NAVY)]
PEN = 0.75  # half the drawn line's width, in pixels


def distance_to_line(x, y, radius):
    cx, cy = CENTRE
    if x <= cx:  # the straight run along the top
        return abs(y - (cy - radius))
    if y >= cy:  # the straight run down the right side
        return abs(x - (cx + radius))
    return abs(math.hypot(x - cx, y - cy) - radius)  # the rounding arc


def pixel(col, row):
    x, y = col + 0.5, row + 0.5
    for radius, colour in LINES:
        if distance_to_line(x, y, radius) < PEN:
            return colour
    return None  # transparent


def icon_bytes():
    pixels = [[pixel(col, row) for col in range(SIZE)] for row in range(SIZE)]
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        indexes = [p if p is not None else 0 for p in pixels[row]]
        xor_rows.append(bytes(indexes[i] << 4 | indexes[i + 1] for i in range(0, SIZE, 2)))
        mask = 0
        for col in range(SIZE):
            if pixels[row][col] is None:
                mask |= 1 << (SIZE - 1 - col)
        and_rows.append(struct.pack(">H", mask) + b"\0\0")  # rows padded to 32 bits
    image = (struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
             + colours + b"".join(xor_rows) + b"".join(and_rows))
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return header + entry + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes())
