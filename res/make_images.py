#!/usr/bin/env python3
"""Draws the program's binary images and writes them beside this script.

velloric.ico: icon 128, 32 x 32 pixels in 16 colours, a black question mark
on a raised yellow square. The output is byte-for-byte reproducible, so the
committed image can be checked by running the script again:

    python3 res/make_images.py && git diff --exit-code res/velloric.ico
"""

import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, GREY, YELLOW, WHITE = 0, 8, 11, 15
OLIVE = 3  # the shaded side of the yellow face

SIZE = 32

# The question mark, drawn top-down; "#" is black.
QUESTION_MARK = [
    "...######...",
    "..########..",
    ".###....###.",
    ".###....###.",
    ".###....###.",
    "........###.",
    ".......###..",
    "......###...",
    ".....###....",
    ".....###....",
    ".....###....",
    "............",
    "............",
    ".....###....",
    ".....###....",
    ".....###....",
]


def draw_icon():
    """Returns the picture as rows top-down of palette indices, plus the
    transparency mask (True where the pixel is transparent)."""
    pixels = [[BLACK] * SIZE for _ in range(SIZE)]
    transparent = [[True] * SIZE for _ in range(SIZE)]

    left, top, right, bottom = 2, 2, 29, 29  # inclusive square
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            transparent[y][x] = False
            if x == right or y == bottom:
                colour = BLACK  # outer shadow
            elif x == right - 1 or y == bottom - 1:
                colour = GREY
            elif x == right - 2 or y == bottom - 2:
                colour = OLIVE
            elif x <= left + 1 or y <= top + 1:
                colour = WHITE  # lit edge
            else:
                colour = YELLOW
            pixels[y][x] = colour

    mark_w, mark_h = len(QUESTION_MARK[0]), len(QUESTION_MARK)
    origin_x = left + (right - left + 1 - mark_w) // 2 - 1
    origin_y = top + (bottom - top + 1 - mark_h) // 2 - 1
    for dy, row in enumerate(QUESTION_MARK):
        for dx, cell in enumerate(row):
            if cell == "#":
                pixels[origin_y + dy][origin_x + dx] = BLACK
    return pixels, transparent


def encode_icon(pixels, transparent):
    """A one-image .ico file: 4 bits per pixel, rows bottom-up, then the AND mask."""
    xor_rows = []
    for row in reversed(pixels):
        data = bytearray()
        for x in range(0, SIZE, 2):
            data.append((row[x] << 4) | row[x + 1])
        xor_rows.append(bytes(data))  # 16 bytes: already a multiple of 4
    and_rows = []
    for row in reversed(transparent):
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] else 0)
        and_rows.append(struct.pack(">I", bits))  # 32 bits: a multiple of 4 bytes
    xor_bits = b"".join(xor_rows)
    and_bits = b"".join(and_rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 16, 0)
    image = header + palette + xor_bits + and_bits
    icon_dir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return icon_dir + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pixels, transparent = draw_icon()
    with open(os.path.join(here, "velloric.ico"), "wb") as out:
        out.write(encode_icon(pixels, transparent))


if __name__ == "__main__":
    main()
