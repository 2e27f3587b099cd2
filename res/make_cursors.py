#!/usr/bin/env python3
"""Draws the keyboard view's two cursors and writes them beside this script.

drag.cur (cursor 144): 32 x 32 pixels in 16 colours, hot spot 0, 0: a cyan
arrow pointing up and to the left, its tip at the hot spot, over a small grey
key cap.
no_drop.cur (cursor 106): 32 x 32 pixels, monochrome, hot spot 15, 15: a
circle crossed by a diagonal bar, black with a white rim.

The output is byte-for-byte reproducible, so the committed cursors can be
checked by running the script again:

    python3 res/make_cursors.py && git diff --exit-code res/drag.cur res/no_drop.cur
"""

import os
import struct

SIZE = 32

# The standard 16-colour palette, as (red, green, blue).
PALETTE_16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, DARK_GREY, LIGHT_GREY, CYAN, WHITE = 0, 8, 7, 14, 15

# The arrow, top-down from the hot spot: "X" outline, "." cyan, " " clear.
ARROW = [
    "X",
    "XX",
    "X.X",
    "X..X",
    "X...X",
    "X....X",
    "X.....X",
    "X......X",
    "X.......X",
    "X........X",
    "X.....XXXXX",
    "X..X..X",
    "X.X X..X",
    "XX  X..X",
    "X    X..X",
    "     X..X",
    "      X..X",
    "      X..X",
    "       XX",
]

# The key cap below the arrow: inclusive corners.
CAP_LEFT, CAP_TOP, CAP_RIGHT, CAP_BOTTOM = 10, 13, 28, 28


def draw_drag():
    """Rows top-down of palette indices, and the transparency mask."""
    pixels = [[BLACK] * SIZE for _ in range(SIZE)]
    clear = [[True] * SIZE for _ in range(SIZE)]
    for y in range(CAP_TOP, CAP_BOTTOM + 1):
        for x in range(CAP_LEFT, CAP_RIGHT + 1):
            clear[y][x] = False
            if x == CAP_RIGHT or y == CAP_BOTTOM:
                colour = BLACK  # outer shadow
            elif x == CAP_RIGHT - 1 or y == CAP_BOTTOM - 1:
                colour = DARK_GREY
            elif x == CAP_LEFT or y == CAP_TOP:
                colour = WHITE  # lit edge
            else:
                colour = LIGHT_GREY
            pixels[y][x] = colour
    for y, row in enumerate(ARROW):
        for x, cell in enumerate(row):
            if cell == " ":
                continue
            clear[y][x] = False
            pixels[y][x] = BLACK if cell == "X" else CYAN
    return pixels, clear


def draw_no_drop():
    """Rows top-down of 0 (black) / 1 (white), and the transparency mask."""
    pixels = [[0] * SIZE for _ in range(SIZE)]
    clear = [[True] * SIZE for _ in range(SIZE)]
    cx = cy = 15
    shape = set()
    for y in range(SIZE):
        for x in range(SIZE):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            ring = 8 * 8 <= d2 <= 11 * 11
            # The bar runs from upper left to lower right, inside the ring.
            bar = abs((x - cx) - (y - cy)) <= 2 and d2 <= 9 * 9
            if ring or bar:
                shape.add((x, y))
    for y in range(SIZE):
        for x in range(SIZE):
            if (x, y) in shape:
                clear[y][x] = False
                pixels[y][x] = 0
            elif any((x + dx, y + dy) in shape for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                clear[y][x] = False
                pixels[y][x] = 1  # the white rim
    return pixels, clear


def pack_rows(rows, bits):
    """Bottom-up rows packed at bits per pixel, each padded to 4 bytes."""
    out = []
    per_byte = 8 // bits
    for row in reversed(rows):
        data = bytearray()
        for x in range(0, SIZE, per_byte):
            byte = 0
            for i in range(per_byte):
                byte = (byte << bits) | int(row[x + i])
            data.append(byte)
        while len(data) % 4:
            data.append(0)
        out.append(bytes(data))
    return b"".join(out)


def encode_cursor(pixels, clear, bits, palette, hot_x, hot_y):
    """A one-image .cur file: DIB with doubled height, XOR bits, then AND mask."""
    xor_bits = pack_rows(pixels, bits)
    and_bits = pack_rows([[1 if c else 0 for c in row] for row in clear], 1)
    colours = 1 << bits
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, bits, 0,
                         len(xor_bits) + len(and_bits), 0, 0, colours, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    image = header + table + xor_bits + and_bits
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, colours if colours < 256 else 0, 0,
                        hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pixels, clear = draw_drag()
    with open(os.path.join(here, "drag.cur"), "wb") as out:
        out.write(encode_cursor(pixels, clear, 4, PALETTE_16, 0, 0))
    pixels, clear = draw_no_drop()
    with open(os.path.join(here, "no_drop.cur"), "wb") as out:
        out.write(encode_cursor(pixels, clear, 1, [(0, 0, 0), (0xFF, 0xFF, 0xFF)], 15, 15))


if __name__ == "__main__":
    main()
